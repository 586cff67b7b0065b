// The rules of the colour separation controls: swatches, radios, invert mode, per-logo settings.
#include "logoloft/app/ColourState.h"

#include "logoloft/conversion/HueColour.h"

namespace logoloft {
namespace {

// The choice's marker colour faded towards white by `amount` in the other two channels.
ColourRef Tint(ColourChoice choice, int amount, ColourRef unchanged) {
  const int faded = 255 - amount;
  switch (choice) {
    case ColourChoice::Red: return MakeColour(255, faded, faded);
    case ColourChoice::Green: return MakeColour(faded, 255, faded);
    case ColourChoice::Blue: return MakeColour(faded, faded, 255);
    case ColourChoice::NotUsed: break;
  }
  return unchanged;
}

// The choice whose marker colour `colour` is; NotUsed for any other colour.
ColourChoice ChoiceOfColour(ColourRef colour) {
  for (ColourChoice c : {ColourChoice::Red, ColourChoice::Green, ColourChoice::Blue}) {
    if (MarkerColour(c) == colour) return c;
  }
  return ColourChoice::NotUsed;
}

// The threshold a radio moves the slider to with invert off.
int DefaultThreshold(ColourChoice choice) {
  switch (choice) {
    case ColourChoice::Green: return 120;
    case ColourChoice::Blue: return 240;
    default: return 0;
  }
}

}  // namespace

ColourState::ColourState() { Recompute(threshold_, rValue_, lValue_); }

ClassifierSettings ColourState::Settings() const {
  return {static_cast<uint8_t>(rValue_), static_cast<uint8_t>(lValue_), choice_};
}

void ColourState::Recompute(int thresholdPos, int rPos, int lPos) {
  threshold_ = thresholdPos >= kMaxThreshold ? 0 : thresholdPos;
  rValue_ = rPos;
  lValue_ = lPos;
  colours_.hueColour = HueColour(threshold_);
  swatches_.threshold = colours_.hueColour;
  swatches_.rValue = Tint(choice_, rValue_, swatches_.rValue);
  if (!invert_) {
    swatches_.lValue = MakeColour(255 - lValue_, 255 - lValue_, 255 - lValue_);
  } else {
    swatches_.lValue = Tint(ChoiceOfColour(colours_.lColour), lValue_, swatches_.lValue);
  }
}

void ColourState::ChooseColour(ColourChoice choice) {
  choice_ = choice;
  if (!invert_) {
    threshold_ = DefaultThreshold(choice);
    rValue_ = kDefaultRValue;
    if (choice != ColourChoice::NotUsed) swatches_.rColour = MarkerColour(choice);
  } else {
    colours_.lColour = MarkerColour(choice);  // black for NotUsed
    if (choice == ColourChoice::NotUsed) swatches_.rColour = kBlack;
  }
  swatches_.lColour = kBlack;
}

void ColourState::SetInvert(bool on) {
  invert_ = on;
  colours_.lColour = kBlack;
  if (choice_ != ColourChoice::NotUsed) ChooseColour(choice_);
}

void ColourState::ApplyLogo(const LogoImage& logo) {
  threshold_ = logo.hueAngle;
  rValue_ = logo.rValue;
  lValue_ = logo.lValue;
  choice_ = logo.colourChoice;
  if (choice_ != ColourChoice::NotUsed) {
    if (invert_) colours_.lColour = MarkerColour(choice_);
    swatches_.rColour = MarkerColour(choice_);
  } else if (invert_) {
    colours_.lColour = kBlack;
  }
  swatches_.lColour = kBlack;
}

void ColourState::StoreInto(LogoImage& logo) const {
  logo.hueAngle = threshold_;
  logo.rValue = static_cast<uint8_t>(rValue_);
  logo.lValue = static_cast<uint8_t>(lValue_);
  logo.colourChoice = choice_;
}

}  // namespace logoloft
