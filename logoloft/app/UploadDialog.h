// The upload dialog (dialog 130) of the impact and one-colour models: "Download Start" sends the
// header and then one item per tick of timer 1, "Save File.." writes the same bytes to a .prn
// file, "&Cancel" closes it.
#pragma once

#include <string>
#include <vector>

#include "logoloft/download/DownloadItems.h"
#include "logoloft/transfer/PrinterTarget.h"
#include "logoloft/transfer/UploadSession.h"
#include "ui/Dialog.h"

namespace logoloft {

class UploadDialog : public ui::Dialog {
 public:
  // `items` belong to the main window and must outlive the dialog.
  UploadDialog(const std::vector<DownloadItem>& items, int modelType, PrinterTarget target,
               std::string modelName);

  bool OnInitDialog() override;
  void OnTimer(int timerId) override;
  // However the dialog ends (the close box too), a download in progress stops before its next item.
  void OnDestroy() override;

 private:
  void OnDownloadStart();
  void OnSaveFile();
  // Shows the session's status text, progress and buttons, and runs timer 1 when it is due.
  void ShowSession();

  UploadSession session_;
  std::string modelName_;
};

}  // namespace logoloft
