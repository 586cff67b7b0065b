// What the upload dialog's progress bar and status text show, on a terminal or as plain lines.
#pragma once

#include <cstdio>
#include <string>

class UploadSession;

class ProgressDisplay {
 public:
  // A bar redrawn in place when `out` is a terminal; otherwise one line per new status text.
  explicit ProgressDisplay(std::FILE* out);
  ~ProgressDisplay();
  ProgressDisplay(const ProgressDisplay&) = delete;
  ProgressDisplay& operator=(const ProgressDisplay&) = delete;

  void Show(const UploadSession& session);

 private:
  std::FILE* out_;
  bool terminal_;
  bool drawn_ = false;
  std::string lastStatus_;
};
