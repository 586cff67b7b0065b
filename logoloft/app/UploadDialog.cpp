// The upload dialog: its controls show the download session, and timer 1 paces the items.
#include "logoloft/app/UploadDialog.h"

#include <utility>

#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/LogoloftTemplates.h"

namespace logoloft {
namespace {

constexpr int kItemTimer = 1;

}  // namespace

UploadDialog::UploadDialog(const std::vector<DownloadItem>& items, int modelType,
                           PrinterTarget target, std::string modelName)
    : ui::Dialog(UploadTemplate()),
      session_(items, modelType, std::move(target)),
      modelName_(std::move(modelName)) {
  On(kIdcDownloadStart, ui::Event::Clicked, &UploadDialog::OnDownloadStart);
  On(kIdcSaveFile, ui::Event::Clicked, &UploadDialog::OnSaveFile);
}

bool UploadDialog::OnInitDialog() {
  Host().SetCaption(modelName_ + " " + Template().caption);
  Host().SetProgressRange(kIdcUploadProgress, 0, session_.ProgressMax());
  ShowSession();
  return true;
}

void UploadDialog::OnDownloadStart() {
  session_.Start();
  ShowSession();
}

void UploadDialog::OnTimer(int timerId) {
  if (timerId != kItemTimer) return;
  Host().KillTimer(kItemTimer);
  session_.Tick();
  ShowSession();
}

void UploadDialog::ShowSession() {
  Host().SetText(kIdcUploadStatus, session_.StatusText());
  Host().SetProgressPos(kIdcUploadProgress, session_.ProgressPosition());
  const bool enabled = session_.ButtonsEnabled();
  for (int id : {kIdcDownloadStart, kIdcSaveFile, kIdcUploadCancel}) Host().Enable(id, enabled);
  if (const std::optional<uint32_t> due = session_.NextTimerMs()) Host().SetTimer(kItemTimer, *due);
}

void UploadDialog::OnSaveFile() {
  ui::FileDialogRequest request;
  request.save = true;
  request.filter = "Print Files(*.prn)|*.prn||";
  request.defaultExtension = "*.prn";
  const std::vector<std::string> chosen = Host().ChooseFiles(request);
  if (chosen.empty()) return;
  session_.SaveFile(chosen.front());
}

void UploadDialog::OnDestroy() {
  Host().KillTimer(kItemTimer);
  session_.Stop();
}

}  // namespace logoloft
