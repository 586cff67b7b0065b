// The descriptions of the upload dialog (dialog 130) and of the print dialog (dialog 131), and the
// list of all Logoloft dialogs for the resource script.
#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/LogoloftTemplates.h"

namespace logoloft {
namespace {

using ui::ControlClass;
using ui::kNoId;

ui::DialogTemplate BuildUpload() {
  ui::DialogTemplate t;
  t.id = kIddUpload;
  t.symbol = "IDD_LOGOLOFT_UPLOAD";
  t.caption = "Image download dialog";  // the model name goes in front when it opens
  t.width = 220;
  t.height = 90;
  t.controls = {
      {kNoId, ControlClass::GroupBox, "Downloading Status", 7, 7, 206, 50, 0},
      {kIdcUploadStatus, ControlClass::Label, "", 14, 20, 192, 10, 0},
      {kIdcUploadProgress, ControlClass::Progress, "", 14, 36, 192, 12, 0},
      {kIdcDownloadStart, ControlClass::PushButton, "Download Start", 7, 66, 64, 16, ui::kGroup | ui::kTabStop},
      {kIdcSaveFile, ControlClass::PushButton, "Save File..", 78, 66, 64, 16, ui::kTabStop},
      {kIdcUploadCancel, ControlClass::PushButton, "&Cancel", 149, 66, 64, 16, ui::kTabStop},
  };
  return t;
}

ui::DialogTemplate BuildPrint() {
  ui::DialogTemplate t;
  t.id = kIddPrint;
  t.symbol = "IDD_LOGOLOFT_PRINT";
  t.caption = "Print";
  t.width = 200;
  t.height = 150;
  t.controls = {
      {kNoId, ControlClass::GroupBox, "Quality", 7, 7, 92, 62, 0},
      {kIdcQualityNormal, ControlClass::RadioButton, "Single &HighWide", 14, 19, 80, 10, ui::kGroup | ui::kTabStop},
      {kIdcQualityDoubleWide, ControlClass::RadioButton, "Double Wide", 14, 31, 80, 10, 0},
      {kIdcQualityDoubleHigh, ControlClass::RadioButton, "Double High", 14, 43, 80, 10, 0},
      {kIdcQualityQuadruple, ControlClass::RadioButton, "Double HighWide", 14, 55, 80, 10, 0},
      {kNoId, ControlClass::GroupBox, "Header", 105, 7, 88, 38, 0},
      {kIdcNoHeader, ControlClass::RadioButton, "None Header", 112, 19, 76, 10, ui::kGroup | ui::kTabStop},
      {kIdcAddHeader, ControlClass::RadioButton, "Add Header", 112, 31, 76, 10, 0},
      {kNoId, ControlClass::GroupBox, "Printing Range", 7, 74, 186, 46, 0},
      {kIdcRangeAll, ControlClass::RadioButton, "All", 14, 86, 46, 10, ui::kGroup | ui::kTabStop},
      {kIdcRangeSelection, ControlClass::RadioButton, "Selection", 14, 102, 46, 10, 0},
      {kNoId, ControlClass::Label, "Sample) 1-2   3,4,5...  7", 64, 87, 122, 8, 0},
      {kIdcSelectionEdit, ControlClass::Edit, "", 64, 101, 122, 12, ui::kGroup | ui::kTabStop},
      {kIdcPrintButton, ControlClass::PushButton, "&Print", 87, 128, 50, 16, ui::kGroup | ui::kTabStop},
      {kIdcPrintExit, ControlClass::PushButton, "E&xit", 143, 128, 50, 16, ui::kTabStop},
  };
  return t;
}

}  // namespace

const ui::DialogTemplate& UploadTemplate() {
  static const ui::DialogTemplate t = BuildUpload();
  return t;
}

const ui::DialogTemplate& PrintTemplate() {
  static const ui::DialogTemplate t = BuildPrint();
  return t;
}

std::vector<const ui::DialogTemplate*> LogoloftDialogTemplates() {
  return {&MainWindowTemplate(), &AboutTemplate(), &ResolutionTemplate(), &UploadTemplate(),
          &PrintTemplate()};
}

}  // namespace logoloft
