// The colour state of the main window: threshold, R value, L value, colour choice, invert mode,
// the classifier's window colours and the five swatch colours, with the rules of every control.
#pragma once

#include "logoloft/conversion/ClassifyPixel.h"
#include "logoloft/conversion/ConversionColours.h"
#include "logoloft/conversion/LogoImage.h"
#include "platform/bitmap/Bitmap.h"

namespace logoloft {

struct Swatches {
  ColourRef threshold = MakeColour(255, 0, 0);
  ColourRef rValue = kWhite;
  ColourRef lValue = kWhite;
  ColourRef rColour = MakeColour(255, 0, 0);  // "R Color(Cartridge)"
  ColourRef lColour = kBlack;                 // "L Color(Cartridge)"; it never changes
};

constexpr int kMaxThreshold = 360;
constexpr int kDefaultRValue = 100;
constexpr int kDefaultLValue = 100;

class ColourState {
 public:
  ColourState();

  // Takes the slider positions (a threshold of 360 counts as 0), derives the hue colour and the
  // threshold, R value and L value swatches.
  void Recompute(int thresholdPos, int rPos, int lPos);
  // A colour radio: with invert off it moves the threshold and R value to the choice's defaults
  // and shows the choice in the R colour swatch; with invert on it makes the choice the L colour.
  void ChooseColour(ColourChoice choice);
  // The invert check box: the L colour goes back to black, then a colour choice is chosen again.
  void SetInvert(bool on);
  // A selected logo's settings, with the colours its choice implies.
  void ApplyLogo(const LogoImage& logo);
  void StoreInto(LogoImage& logo) const;
  // The choice set by the model type, without the radio's side effects.
  void SetChoice(ColourChoice choice) { choice_ = choice; }

  int Threshold() const { return threshold_; }
  int RValue() const { return rValue_; }
  int LValue() const { return lValue_; }
  ColourChoice Choice() const { return choice_; }
  bool Invert() const { return invert_; }
  const ConversionColours& Colours() const { return colours_; }
  const Swatches& SwatchColours() const { return swatches_; }
  ClassifierSettings Settings() const;

 private:
  int threshold_ = 0;
  int rValue_ = kDefaultRValue;
  int lValue_ = kDefaultLValue;
  ColourChoice choice_ = ColourChoice::Red;
  bool invert_ = false;
  ConversionColours colours_;
  Swatches swatches_;
};

}  // namespace logoloft
