// dialog-drive: a Windows console program that acts on another program's dialogs the way a person
// would, found by caption and control id: wait for a window, press buttons, type into and read
// controls, answer message boxes. Every wait ends at a deadline; the exit status is 0 on success,
// 1 when the window, control or text was not there in time (with a line on stderr saying which),
// and 2 for a wrong command line.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/win32-drive/ControlActions.h"
#include "tools/win32-drive/WindowSearch.h"

namespace {

using drive::Deadline;

// How long the commands without a SECONDS argument look for their window.
constexpr double kFindSeconds = 10;
constexpr double kDefaultWaitSeconds = 30;
constexpr DWORD kPollMs = 100;

const char kUsage[] =
    "usage: dialog-drive wait CAPTION [SECONDS]           a visible window with that caption\n"
    "       dialog-drive wait-gone CAPTION [SECONDS]      no visible window with that caption\n"
    "       dialog-drive click CAPTION ID                 press button ID (once it is enabled)\n"
    "       dialog-drive set-text CAPTION ID TEXT         set the text of control ID\n"
    "       dialog-drive text CAPTION ID                  print the text of control ID\n"
    "       dialog-drive wait-text CAPTION ID TEXT [SECONDS]\n"
    "       dialog-drive checked CAPTION ID               succeed when button ID is checked\n"
    "       dialog-drive message CAPTION [SECONDS]        print a message box's text, press OK\n"
    "       dialog-drive controls CAPTION                 list the window's controls\n"
    "IDs are decimal or 0x hexadecimal; SECONDS default to 30.\n";

int Fail(const std::string& why) {
  std::fprintf(stderr, "dialog-drive: %s\n", why.c_str());
  return 1;
}

int UsageError(const std::string& why) {
  if (!why.empty()) std::fprintf(stderr, "dialog-drive: %s\n", why.c_str());
  std::fputs(kUsage, stderr);
  return 2;
}

bool ParseId(const std::string& text, int& id) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 0);
  if (*end != '\0' || value < 0 || value > 0xFFFF) return false;
  id = static_cast<int>(value);
  return true;
}

bool ParseSeconds(const std::string& text, double& seconds) {
  if (text.empty()) return false;
  char* end = nullptr;
  seconds = std::strtod(text.c_str(), &end);
  return *end == '\0' && seconds > 0 && seconds <= 3600;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", seconds);
  return text;
}

// The control `id` of the visible window `caption`, looked for up to kFindSeconds.
HWND FindControl(const std::string& caption, int id, std::string& why) {
  HWND window = drive::WaitTopLevel(caption, id, Deadline(kFindSeconds));
  if (window == nullptr) {
    why = drive::FindTopLevel(caption) != nullptr
              ? "window " + Quoted(caption) + " has no control " + std::to_string(id)
              : "no visible window " + Quoted(caption);
    return nullptr;
  }
  return GetDlgItem(window, id);
}

int Wait(const std::string& caption, double seconds) {
  if (drive::WaitTopLevel(caption, -1, Deadline(seconds)) == nullptr) {
    return Fail("no visible window " + Quoted(caption) + " within " + Seconds(seconds));
  }
  return 0;
}

int WaitGone(const std::string& caption, double seconds) {
  const Deadline deadline(seconds);
  while (drive::FindTopLevel(caption) != nullptr) {
    if (deadline.Passed()) return Fail("window " + Quoted(caption) + " still open after " + Seconds(seconds));
    Sleep(kPollMs);
  }
  return 0;
}

int Click(const std::string& caption, int id) {
  std::string why;
  HWND control = FindControl(caption, id, why);
  if (control == nullptr) return Fail(why);
  // A program enables its buttons again when it has finished what it was doing: wait for that as a
  // person would, up to kFindSeconds.
  HWND window = GetAncestor(control, GA_ROOT);
  const Deadline deadline(kFindSeconds);
  while (!IsWindowEnabled(window) || !IsWindowVisible(control) || !IsWindowEnabled(control)) {
    if (!IsWindow(control)) return Fail("window " + Quoted(caption) + " closed");
    if (deadline.Passed()) {
      return Fail(!IsWindowEnabled(window)
                      ? "window " + Quoted(caption) + " is disabled (is a dialog of its own open?)"
                      : "control " + std::to_string(id) + " of " + Quoted(caption) + " is hidden or disabled");
    }
    Sleep(kPollMs);
  }
  if (!drive::PressButton(control)) return Fail("cannot post a click to control " + std::to_string(id));
  return 0;
}

int SetText(const std::string& caption, int id, const std::string& text) {
  std::string why;
  HWND control = FindControl(caption, id, why);
  if (control == nullptr) return Fail(why);
  if (!drive::SetControlText(control, text)) {
    return Fail("control " + std::to_string(id) + " of " + Quoted(caption) + " did not take the text");
  }
  return 0;
}

int Text(const std::string& caption, int id) {
  std::string why;
  HWND control = FindControl(caption, id, why);
  if (control == nullptr) return Fail(why);
  std::string text;
  if (!drive::ReadControlText(control, text)) return Fail("control " + std::to_string(id) + " did not answer");
  std::printf("%s\n", text.c_str());
  return 0;
}

int WaitText(const std::string& caption, int id, const std::string& expected, double seconds) {
  const Deadline deadline(seconds);
  std::string why;
  HWND control = FindControl(caption, id, why);
  if (control == nullptr) return Fail(why);
  std::string text;
  for (;;) {
    if (!drive::ReadControlText(control, text)) return Fail("control " + std::to_string(id) + " did not answer");
    if (text == expected) return 0;
    if (deadline.Passed()) {
      return Fail("control " + std::to_string(id) + " of " + Quoted(caption) + " shows " + Quoted(text) +
                  ", not " + Quoted(expected) + ", after " + Seconds(seconds));
    }
    Sleep(kPollMs);
  }
}

int Checked(const std::string& caption, int id) {
  std::string why;
  HWND control = FindControl(caption, id, why);
  if (control == nullptr) return Fail(why);
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state)) {
    return Fail("control " + std::to_string(id) + " did not answer");
  }
  if (state != BST_CHECKED) return Fail("control " + std::to_string(id) + " of " + Quoted(caption) + " is not checked");
  return 0;
}

int Message(const std::string& caption, double seconds) {
  const Deadline deadline(seconds);
  HWND box = nullptr;
  while ((box = drive::FindMessageBox(caption)) == nullptr) {
    if (deadline.Passed()) return Fail("no message box " + Quoted(caption) + " within " + Seconds(seconds));
    Sleep(kPollMs);
  }
  std::string text;
  if (!drive::ReadControlText(GetDlgItem(box, 0xFFFF), text)) return Fail("the message box did not answer");
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
  HWND button = drive::MessageBoxButton(box);
  if (button == nullptr || !drive::PressButton(button)) return Fail("the message box has no button to press");
  const Deadline closing(kFindSeconds);
  while (IsWindow(box) && IsWindowVisible(box)) {
    if (closing.Passed()) return Fail("the message box did not close when its button was pressed");
    Sleep(kPollMs);
  }
  return 0;
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
  std::string text;
  drive::ReadControlText(child, text);
  std::printf("%5d %-20s %s%s\n", GetDlgCtrlID(child) & 0xFFFF, drive::WindowClass(child).c_str(), Quoted(text).c_str(),
              IsWindowEnabled(child) ? "" : " (disabled)");
  return TRUE;
}

int Controls(const std::string& caption) {
  HWND window = drive::WaitTopLevel(caption, -1, Deadline(kFindSeconds));
  if (window == nullptr) return Fail("no visible window " + Quoted(caption));
  EnumChildWindows(window, &PrintControl, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // plain \n line ends for the scripts that read it
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 2) return UsageError("");
  const std::string& command = args[0];
  const std::string& caption = args[1];
  int id = 0;
  double seconds = kDefaultWaitSeconds;
  const bool hasId = args.size() >= 3 && ParseId(args[2], id);

  if (command == "wait" || command == "wait-gone" || command == "message") {
    if (args.size() > 3 || (args.size() == 3 && !ParseSeconds(args[2], seconds))) {
      return UsageError(command + " takes CAPTION and optional SECONDS (above 0, at most 3600)");
    }
    if (command == "wait") return Wait(caption, seconds);
    if (command == "wait-gone") return WaitGone(caption, seconds);
    return Message(caption, seconds);
  }
  if (command == "controls") {
    if (args.size() != 2) return UsageError("controls takes CAPTION");
    return Controls(caption);
  }
  if (command == "click" || command == "text" || command == "checked") {
    if (args.size() != 3 || !hasId) return UsageError(command + " takes CAPTION and a control ID");
    if (command == "click") return Click(caption, id);
    if (command == "text") return Text(caption, id);
    return Checked(caption, id);
  }
  if (command == "set-text") {
    if (args.size() != 4 || !hasId) return UsageError("set-text takes CAPTION, a control ID and TEXT");
    return SetText(caption, id, args[3]);
  }
  if (command == "wait-text") {
    if (args.size() < 4 || args.size() > 5 || !hasId || (args.size() == 5 && !ParseSeconds(args[4], seconds))) {
      return UsageError("wait-text takes CAPTION, a control ID, TEXT and optional SECONDS");
    }
    return WaitText(caption, id, args[3], seconds);
  }
  return UsageError("unknown command " + command);
}
