// What the upload dialog's progress bar and status text show, on a terminal or as plain lines.
#include "tools/logoloft-cli/ProgressDisplay.h"

#include <unistd.h>

#include "logoloft/transfer/UploadSession.h"

namespace {

constexpr int kBarWidth = 30;

}  // namespace

ProgressDisplay::ProgressDisplay(std::FILE* out) : out_(out), terminal_(isatty(fileno(out)) != 0) {}

ProgressDisplay::~ProgressDisplay() {
  if (terminal_ && drawn_) std::fputc('\n', out_);
}

void ProgressDisplay::Show(const UploadSession& session) {
  const int max = session.ProgressMax();
  const int position = session.ProgressPosition();
  if (terminal_) {
    const int filled = max > 0 ? position * kBarWidth / max : 0;
    std::fprintf(out_, "\r[%s%s] %3d/%-3d %s\x1b[K", std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, '-').c_str(), position, max,
                 session.StatusText().c_str());
    drawn_ = true;
  } else if (session.StatusText() != lastStatus_) {
    std::fprintf(out_, "%s[%d/%d]\n", session.StatusText().c_str(), position, max);
  }
  lastStatus_ = session.StatusText();
  std::fflush(out_);
}
