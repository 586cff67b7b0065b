// The upload dialog's download: the header, then one item per timer tick with the interface's
// pacing, and the same bytes saved as a .prn file.
#include "logoloft/transfer/UploadSession.h"

#include <cstdio>
#include <utility>

#include "logoloft/download/DownloadHeader.h"
#include "logoloft/download/ModelTypes.h"
#include "logoloft/download/PrnFile.h"
#include "logoloft/transfer/ItemPacing.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"

namespace {

constexpr uint32_t kFsqSettleMs = 6000;
constexpr uint32_t kFirstItemDelayMs = 1000;
constexpr uint32_t kNextItemDelayMs = 100;
constexpr const char* kImageListError = "Error Code : 2001 (Image List Error)!";

void Show(const char* text, uint32_t type = os::kMbOk) {
  os::MessageBoxA(nullptr, text, kLogoloftCaption, type);
}

}  // namespace

UploadSession::UploadSession(const std::vector<DownloadItem>& items, int modelType,
                             PrinterTarget target)
    : items_(items), modelType_(modelType), target_(std::move(target)) {}

void UploadSession::Start() {
  if (sending_) return;
  completed_.reset();
  anyItemFailed_ = false;
  const EncodedBytes header = items_.empty() ? std::nullopt : DownloadHeader(modelType_, items_.size());
  if (!header) {
    Show(kImageListError);
    return;
  }
  if (!connection_.Open(target_, kOpenPortFailedText)) return;
  const uint32_t length = static_cast<uint32_t>(header->size());
  if (connection_.Write(header->data(), length) != static_cast<int>(length)) {
    connection_.Close();
    Show("ERROR: Failed to write data!");
    return;
  }
  sentCount_ = 0;
  sending_ = true;
  if (modelType_ == kModelTypeOneColour) os::Sleep(kFsqSettleMs);
  nextTimerMs_ = kFirstItemDelayMs;
}

void UploadSession::Tick() {
  nextTimerMs_.reset();
  if (!sending_) return;
  if (sentCount_ == items_.size()) {
    Finish();
    return;
  }
  if (!SendItem(sentCount_)) anyItemFailed_ = true;
  ++sentCount_;
  nextTimerMs_ = kNextItemDelayMs;
}

bool UploadSession::SendItem(size_t index) {
  const DownloadItem& item = items_[index];
  if (item.data.empty()) {
    Show(kImageListError);
    return false;
  }
  char counter[32];
  std::snprintf(counter, sizeof counter, " ( %d / %d ) ", static_cast<int>(index + 1),
                static_cast<int>(items_.size()));
  statusText_ = "Downloding... " + item.name + counter;
  return WritePaced(item.data, PacingFor(target_.interfaceKind),
                    [this](const uint8_t* data, uint32_t count) {
                      return connection_.Write(data, count);
                    });
}

void UploadSession::Finish() {
  sending_ = false;
  completed_ = !anyItemFailed_;
  connection_.Close();
  Show(*completed_ ? "Download Completed!" : "Download Failed!");
}

void UploadSession::Stop() {
  nextTimerMs_.reset();
  sending_ = false;
  connection_.Close();
}

bool UploadSession::SaveFile(const std::string& path) {
  const PrnSaveResult saved = SavePrnFile(path, modelType_, items_);
  if (!saved.ok()) {
    Show(saved.refusal->reason.c_str());
    return false;
  }
  Show("Print files Save finished", os::kMbOk | os::kMbIconExclamation);
  return true;
}
