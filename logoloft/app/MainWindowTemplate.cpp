// The description of Logoloft's main window (dialog 102). The caption comes from NV.inf.
#include "logoloft/app/LogoloftTemplates.h"

#include "logoloft/app/LogoloftIds.h"

namespace logoloft {
namespace {

using ui::ControlClass;
using ui::ControlEntry;
using ui::kNoId;

constexpr int kRowStep = 9;   // configuration display rows
constexpr int kConfigTop = 242;

// The nine label / value pairs of the configuration display, from the top.
void AddConfigurationDisplay(std::vector<ControlEntry>& c) {
  const struct {
    int label;
    const char* text;
    int value;
    const char* initial;
  } rows[] = {
      {kIdcPrinterLabel, "Printer : ", kIdcPrinterValue, ""},
      {kIdcModeLabel, "Download Mode : ", kIdcModeValue, ""},
      {kIdcInterfaceLabel, "Interface :", kIdcInterfaceValue, ""},
      {kIdcPortLabel, "Port :", kIdcPortValue, ""},
      {kIdcBaudLabel, "Baudrate :", kIdcBaudValue, ""},
      {kIdcDataBitsLabel, "Databits :", kIdcDataBitsValue, "8"},
      {kIdcParityLabel, "Parity :", kIdcParityValue, ""},
      {kIdcStopBitsLabel, "Stopbits :", kIdcStopBitsValue, ""},
      {kIdcFlowLabel, "Flowcontrol :", kIdcFlowValue, ""},
  };
  int y = kConfigTop;
  for (const auto& r : rows) {
    c.push_back({r.label, ControlClass::Label, r.text, 14, y, 62, 8, 0});
    c.push_back({r.value, ControlClass::Label, r.initial, 80, y, 120, 8, 0});
    y += kRowStep;
  }
}

// One row of the "Change Color Range" group: label, slider, edit showing its value, swatch.
void AddRangeRow(std::vector<ControlEntry>& c, int y, const char* label, int slider, int edit,
                 int swatch) {
  c.push_back({kNoId, ControlClass::Label, label, 220, y + 2, 46, 8, 0});
  c.push_back({slider, ControlClass::Slider, "", 266, y - 2, 124, 16, ui::kTabStop});
  c.push_back({edit, ControlClass::Edit, "", 394, y, 30, 12, ui::kTabStop});
  c.push_back({swatch, ControlClass::Swatch, "", 430, y - 1, 26, 14, 0});
}

ui::DialogTemplate Build() {
  ui::DialogTemplate t;
  t.id = kIddMain;
  t.symbol = "IDD_LOGOLOFT_MAIN";
  t.width = 470;
  t.height = 330;
  t.minimiseBox = true;
  std::vector<ControlEntry>& c = t.controls;
  c.push_back({kIdcLogoList, ControlClass::ListView, "", 7, 7, 200, 120, ui::kMultiSelect | ui::kTabStop});
  c.push_back({kIdcListFooter, ControlClass::Label, "", 7, 130, 200, 18, 0});
  c.push_back({kNoId, ControlClass::GroupBox, "Bitmap Selection", 7, 150, 200, 34, 0});
  c.push_back({kIdcOpenFile, ControlClass::PushButton, "Open File", 14, 163, 58, 14, ui::kTabStop});
  c.push_back({kIdcRemove, ControlClass::PushButton, "Remove", 78, 163, 58, 14, ui::kTabStop});
  c.push_back({kIdcReset, ControlClass::PushButton, "Reset", 142, 163, 58, 14, ui::kTabStop});
  c.push_back({kIdcDownload, ControlClass::PushButton, "Download..", 7, 190, 97, 16, ui::kTabStop});
  c.push_back({kIdcPrint, ControlClass::PushButton, "Print", 110, 190, 97, 16, ui::kTabStop});
  c.push_back({kNoId, ControlClass::GroupBox, "Configuration", 7, 212, 200, 112, 0});
  c.push_back({kIdcPortSetting, ControlClass::PushButton, "Port Setting", 14, 224, 60, 14, ui::kTabStop});
  AddConfigurationDisplay(c);

  c.push_back({kIdcSourceFrame, ControlClass::Frame, "Orignal Image", 214, 7, 122, 100, 0});
  c.push_back({kIdcTransformedFrame, ControlClass::Frame, "Transformed Image", 341, 7, 122, 100, 0});

  c.push_back({kNoId, ControlClass::GroupBox, "Change Color Range", 214, 112, 249, 88, 0});
  AddRangeRow(c, 128, "THRESHOLD", kIdcThresholdSlider, kIdcThresholdEdit, kIdcThresholdSwatch);
  AddRangeRow(c, 152, "R Value", kIdcRValueSlider, kIdcRValueEdit, kIdcRValueSwatch);
  AddRangeRow(c, 176, "L Value", kIdcLValueSlider, kIdcLValueEdit, kIdcLValueSwatch);

  c.push_back({kNoId, ControlClass::GroupBox, "Color", 214, 204, 249, 96, 0});
  c.push_back({kIdcRed, ControlClass::RadioButton, "Red", 222, 217, 60, 10, ui::kGroup | ui::kTabStop});
  c.push_back({kIdcGreen, ControlClass::RadioButton, "Green", 222, 230, 60, 10, 0});
  c.push_back({kIdcBlue, ControlClass::RadioButton, "Blue", 222, 243, 60, 10, 0});
  c.push_back({kIdcNotUsed, ControlClass::RadioButton, "Not Used", 222, 256, 60, 10, 0});
  c.push_back({kIdcInvert, ControlClass::CheckBox, "Color Change Select \n(Invert to L Cartridge )", 222,
               272, 130, 22, ui::kGroup | ui::kTabStop | ui::kMultiLine});
  c.push_back({kIdcRColourSwatch, ControlClass::Swatch, "", 310, 217, 40, 20, 0});
  c.push_back({kNoId, ControlClass::Label, "R Color(Cartridge)", 296, 240, 68, 8, ui::kCentred});
  c.push_back({kIdcLColourSwatch, ControlClass::Swatch, "", 392, 217, 40, 20, 0});
  c.push_back({kNoId, ControlClass::Label, "L Color(Cartridge)", 378, 240, 68, 8, ui::kCentred});

  c.push_back({kIdcExit, ControlClass::DefaultButton, "EXIT", 413, 307, 50, 16, ui::kGroup | ui::kTabStop});
  return t;
}

}  // namespace

const ui::DialogTemplate& MainWindowTemplate() {
  static const ui::DialogTemplate t = Build();
  return t;
}

}  // namespace logoloft
