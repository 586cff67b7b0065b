// The descriptions of the About box (dialog 100) and of the resolution dialog (dialog 135).
#include "logoloft/app/LogoloftTemplates.h"

#include "logoloft/app/LogoloftIds.h"

namespace logoloft {
namespace {

using ui::ControlClass;

ui::DialogTemplate BuildAbout() {
  ui::DialogTemplate t;
  t.id = kIddAbout;
  t.symbol = "IDD_LOGOLOFT_ABOUT";
  t.caption = "About Logoloft";
  t.width = 200;
  t.height = 62;
  t.controls = {
      {kIdcAboutProduct, ControlClass::Label, "Logoloft - P-8 NV Logo Utility", 10, 10, 180, 8, 0},
      {kIdcAboutVersion, ControlClass::Label, "Version : 3.1.5", 10, 22, 180, 8, 0},
      {ui::kIdOk, ControlClass::DefaultButton, "OK", 140, 40, 50, 14, ui::kGroup | ui::kTabStop},
  };
  return t;
}

ui::DialogTemplate BuildResolution() {
  ui::DialogTemplate t;
  t.id = kIddResolution;
  t.symbol = "IDD_LOGOLOFT_RESOLUTION";
  t.caption = "Set resolution";
  t.width = 230;
  t.height = 80;
  t.controls = {
      {kIdcSingleDensity, ControlClass::RadioButton,
       "Single Density (Wren-60 : 104 x 96, Wren-10 : 80 x 72)", 10, 8, 210, 10, ui::kGroup | ui::kTabStop},
      {kIdcDoubleDensity, ControlClass::RadioButton,
       "Double Density (Wren-60 : 208 x 96, Wren-10 : 160 x 72)", 10, 22, 210, 10, 0},
      {kIdcQuadDensity, ControlClass::RadioButton,
       "Quad Density (Wren-60 : 208 x 192, Wren-10 : 160 x 144)", 10, 36, 210, 10, 0},
      {ui::kIdOk, ControlClass::DefaultButton, "OK", 170, 58, 50, 14, ui::kGroup | ui::kTabStop},
  };
  return t;
}

}  // namespace

const ui::DialogTemplate& AboutTemplate() {
  static const ui::DialogTemplate t = BuildAbout();
  return t;
}

const ui::DialogTemplate& ResolutionTemplate() {
  static const ui::DialogTemplate t = BuildResolution();
  return t;
}

}  // namespace logoloft
