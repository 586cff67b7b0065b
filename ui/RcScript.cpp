// Writes dialog descriptions as the DIALOGEX statements of a Windows resource script.
#include "ui/RcScript.h"

#include <string>

namespace ui {
namespace {

struct ClassStyle {
  const char* windowClass;
  std::string style;
};

ClassStyle StyleOf(const ControlEntry& c) {
  const bool multi = (c.style & kMultiSelect) != 0;
  const std::string wrap = (c.style & kMultiLine) ? " | BS_MULTILINE" : "";
  switch (c.cls) {
    case ControlClass::PushButton: return {"Button", "BS_PUSHBUTTON" + wrap};
    case ControlClass::DefaultButton: return {"Button", "BS_DEFPUSHBUTTON" + wrap};
    case ControlClass::RadioButton: return {"Button", "BS_AUTORADIOBUTTON" + wrap};
    case ControlClass::CheckBox: return {"Button", "BS_AUTOCHECKBOX" + wrap};
    case ControlClass::GroupBox: return {"Button", "BS_GROUPBOX"};
    case ControlClass::Frame: return {"Button", "BS_GROUPBOX"};
    case ControlClass::Label: return {"Static", (c.style & kCentred) ? "SS_CENTER" : "SS_LEFT"};
    case ControlClass::Swatch: return {"Static", "SS_OWNERDRAW"};
    case ControlClass::Edit:
      return {"Edit", std::string("ES_AUTOHSCROLL | WS_BORDER") + ((c.style & kReadOnly) ? " | ES_READONLY" : "")};
    case ControlClass::ListView:
      return {"SysListView32", std::string("LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER") +
                                   (multi ? "" : " | LVS_SINGLESEL")};
    case ControlClass::ListBox:
      return {"ListBox", std::string("LBS_NOTIFY | WS_VSCROLL | WS_BORDER") + (multi ? " | LBS_EXTENDEDSEL" : "")};
    case ControlClass::ComboBox: return {"ComboBox", "CBS_DROPDOWNLIST | WS_VSCROLL"};
    case ControlClass::Slider: return {"msctls_trackbar32", "TBS_HORZ | TBS_AUTOTICKS"};
    case ControlClass::Progress: return {"msctls_progress32", "WS_BORDER"};
    case ControlClass::IpAddress: return {"SysIPAddress32", "0x0"};
  }
  return {"Static", "SS_LEFT"};
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"') out += "\"\"";
    else if (ch == '\n') out += "\\n";
    else if (ch == '\\') out += "\\\\";
    else out += ch;
  }
  return out + "\"";
}

std::string CommonStyle(uint32_t style) {
  std::string out;
  if (style & kGroup) out += " | WS_GROUP";
  if (style & kTabStop) out += " | WS_TABSTOP";
  if (style & kDisabled) out += " | WS_DISABLED";
  if (style & kHidden) out += " | NOT WS_VISIBLE";
  return out;
}

std::string Numbers(int x, int y, int w, int h) {
  return std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(w) + ", " +
         std::to_string(h);
}

}  // namespace

std::string DialogResourceText(const DialogTemplate& d) {
  std::string out = d.symbol + " DIALOGEX 0, 0, " + std::to_string(d.width) + ", " +
                    std::to_string(d.height) + "\n";
  out += "STYLE DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU";
  out += d.minimiseBox ? " | WS_MINIMIZEBOX\n" : "\n";
  out += "CAPTION " + Quoted(d.caption) + "\n";
  out += "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\nBEGIN\n";
  for (const ControlEntry& c : d.controls) {
    const ClassStyle cs = StyleOf(c);
    out += "    CONTROL " + Quoted(c.text) + ", " + std::to_string(c.id) + ", \"" + cs.windowClass +
           "\", " + cs.style + CommonStyle(c.style) + ", " + Numbers(c.x, c.y, c.width, c.height) +
           "\n";
  }
  return out + "END\n";
}

std::string DialogResourceScript(const std::vector<const DialogTemplate*>& dialogs) {
  std::string out =
      "// Dialog templates written from the dialog descriptions; do not edit by hand.\n"
      "#include <windows.h>\n#include <commctrl.h>\n";
  for (const DialogTemplate* d : dialogs) {
    out += "\n#define " + d->symbol + " " + std::to_string(d->id) + "\n" + DialogResourceText(*d);
  }
  return out;
}

}  // namespace ui
