// Logoloft's main window: the colour separation controls (sliders, colour radios, invert mode,
// swatches) and their ties to the current logo and the model type.
#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/MainWindow.h"
#include "logoloft/download/ModelTypes.h"

namespace logoloft {
namespace {

// The controls a model type enables or disables; "Not Used" always stays enabled.
constexpr int kModelDependentControls[] = {kIdcRed,    kIdcGreen,          kIdcBlue,         kIdcInvert,
                                           kIdcThresholdSlider, kIdcRValueSlider, kIdcLValueSlider};

int RadioOf(ColourChoice choice) {
  switch (choice) {
    case ColourChoice::Red: return kIdcRed;
    case ColourChoice::Green: return kIdcGreen;
    case ColourChoice::Blue: return kIdcBlue;
    case ColourChoice::NotUsed: break;
  }
  return kIdcNotUsed;
}

}  // namespace

void MainWindow::InitColourControls() {
  Host().SetSliderRange(kIdcThresholdSlider, 0, kMaxThreshold);
  Host().SetSliderRange(kIdcRValueSlider, 0, 255);
  Host().SetSliderRange(kIdcLValueSlider, 0, 255);
  for (int slider : {kIdcThresholdSlider, kIdcRValueSlider, kIdcLValueSlider}) {
    Host().SetSliderSteps(slider, 1, 1);
  }
  ShowColourControls();
}

void MainWindow::ShowColourControls() {
  Host().SetSliderPos(kIdcThresholdSlider, colour_.Threshold());
  Host().SetSliderPos(kIdcRValueSlider, colour_.RValue());
  Host().SetSliderPos(kIdcLValueSlider, colour_.LValue());
  for (ColourChoice c : {ColourChoice::Red, ColourChoice::Green, ColourChoice::Blue, ColourChoice::NotUsed}) {
    Host().SetCheck(RadioOf(c), c == colour_.Choice());
  }
  Host().SetCheck(kIdcInvert, colour_.Invert());
  Host().SetText(kIdcNotUsed, colour_.Invert() ? "Black Only" : "Not Used");
  Host().SetText(kIdcThresholdEdit, std::to_string(colour_.Threshold()));
  Host().SetText(kIdcRValueEdit, std::to_string(colour_.RValue()));
  Host().SetText(kIdcLValueEdit, std::to_string(colour_.LValue()));
  ShowSwatches();
}

void MainWindow::RecomputeFromSliders() {
  colour_.Recompute(Host().SliderPos(kIdcThresholdSlider), Host().SliderPos(kIdcRValueSlider),
                    Host().SliderPos(kIdcLValueSlider));
  Host().SetText(kIdcThresholdEdit, std::to_string(colour_.Threshold()));
  Host().SetText(kIdcRValueEdit, std::to_string(colour_.RValue()));
  Host().SetText(kIdcLValueEdit, std::to_string(colour_.LValue()));
  ShowSwatches();
}

void MainWindow::ShowSwatches() {
  const Swatches& s = colour_.SwatchColours();
  Host().SetFillColour(kIdcThresholdSwatch, s.threshold);
  Host().SetFillColour(kIdcRValueSwatch, s.rValue);
  Host().SetFillColour(kIdcLValueSwatch, s.lValue);
  Host().SetFillColour(kIdcRColourSwatch, s.rColour);
  Host().SetFillColour(kIdcLColourSwatch, s.lColour);
}

void MainWindow::StoreIntoCurrentLogo() {
  if (LogoImage* logo = list_.FindNumber(currentNumber_)) colour_.StoreInto(*logo);
}

void MainWindow::OnSliderReleased() {
  RecomputeFromSliders();
  Host().Invalidate();
  StoreIntoCurrentLogo();
}

void MainWindow::ChooseColour(ColourChoice choice) {
  colour_.ChooseColour(choice);
  Host().SetSliderPos(kIdcThresholdSlider, colour_.Threshold());
  Host().SetSliderPos(kIdcRValueSlider, colour_.RValue());
  RecomputeFromSliders();
  Host().Invalidate();
  StoreIntoCurrentLogo();
}

void MainWindow::OnRed() { ChooseColour(ColourChoice::Red); }
void MainWindow::OnGreen() { ChooseColour(ColourChoice::Green); }
void MainWindow::OnBlue() { ChooseColour(ColourChoice::Blue); }
void MainWindow::OnNotUsed() { ChooseColour(ColourChoice::NotUsed); }

void MainWindow::OnInvert() {
  const bool on = Host().IsChecked(kIdcInvert);
  Host().SetText(kIdcNotUsed, on ? "Black Only" : "Not Used");
  colour_.SetInvert(on);
  // A colour choice is chosen again for the new state, and that stores into the current logo.
  Host().SetSliderPos(kIdcThresholdSlider, colour_.Threshold());
  Host().SetSliderPos(kIdcRValueSlider, colour_.RValue());
  RecomputeFromSliders();
  Host().Invalidate();
  if (colour_.Choice() != ColourChoice::NotUsed) StoreIntoCurrentLogo();
}

void MainWindow::EnableColourControls(bool enable) {
  for (int id : kModelDependentControls) Host().Enable(id, enable);
}

void MainWindow::SetColourControlsAtStart() {
  if (modelType_ == kModelTypeImpact || modelType_ == kModelTypeKeyCode) {
    EnableColourControls(true);
    colour_.SetChoice(ColourChoice::Red);
  } else if (modelType_ == kModelTypeOneColour) {
    EnableColourControls(false);
    colour_.SetChoice(ColourChoice::NotUsed);
  } else {
    return;
  }
  ShowColourControls();
  RecomputeFromSliders();
}

void MainWindow::SetColourControlsAfterPortSetting() {
  if (modelType_ == kModelTypeImpact || modelType_ == kModelTypeKeyCode || modelType_ == kModelTypeFlashLogo) {
    EnableColourControls(true);
  } else if (modelType_ == kModelTypeOneColour) {
    EnableColourControls(false);
  }
}

}  // namespace logoloft
