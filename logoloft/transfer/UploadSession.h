// The upload dialog's download: the header, then one item per timer tick with the interface's
// pacing, and the same bytes saved as a .prn file. The dialog wires its controls to this and
// shows the state it exposes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logoloft/download/DownloadItems.h"
#include "logoloft/transfer/LogoloftConnection.h"
#include "logoloft/transfer/PrinterTarget.h"

class UploadSession {
 public:
  // `items` belong to the main window and must outlive the session.
  UploadSession(const std::vector<DownloadItem>& items, int modelType, PrinterTarget target);

  // "Download Start": connects and sends the header; on success the buttons are disabled and
  // timer 1 is due in 1000 ms (after the 6000 ms an FS q header needs).
  void Start();
  // Timer 1 fired: sends the next item, or finishes once every item has had its tick.
  void Tick();
  // The window is closing: a download in progress stops before its next item.
  void Stop();
  // "Save File.." to `path`: the header and every item, without a connection. A file that cannot
  // be written shows why and keeps what was there.
  bool SaveFile(const std::string& path);

  const std::string& StatusText() const { return statusText_; }
  int ProgressMax() const { return 10 * static_cast<int>(items_.size()); }
  int ProgressPosition() const { return 10 * static_cast<int>(sentCount_); }
  // "Download Start", "Save File.." and "&Cancel" together.
  bool ButtonsEnabled() const { return !sending_; }
  // When timer 1 is to fire next, or nothing when it is not running.
  std::optional<uint32_t> NextTimerMs() const { return nextTimerMs_; }
  // Set once a download has finished: whether every item went out completely.
  std::optional<bool> Completed() const { return completed_; }

 private:
  bool SendItem(size_t index);
  void Finish();

  const std::vector<DownloadItem>& items_;
  int modelType_;
  PrinterTarget target_;
  LogoloftConnection connection_;
  std::string statusText_ = "Ready downloading.";
  size_t sentCount_ = 0;
  bool sending_ = false;
  bool anyItemFailed_ = false;
  std::optional<uint32_t> nextTimerMs_;
  std::optional<bool> completed_;
};
