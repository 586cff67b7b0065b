// The one description of a dialog: its controls with ids, classes, texts, styles and places. The
// resource script of the Windows build is written from it, and the headless host builds its
// controls from it, so both show the same dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

enum class ControlClass {
  PushButton,
  DefaultButton,
  RadioButton,  // an automatic radio button; a group starts at a control with kGroup
  CheckBox,     // an automatic check box
  GroupBox,
  Label,        // a static text
  Swatch,       // an owner-drawn static filled with one colour
  Frame,        // a labelled frame in which the window draws a picture
  Edit,
  ListView,     // report style, grid lines, full-row selection
  ListBox,
  ComboBox,     // a drop-down list
  Slider,
  Progress,
  IpAddress,
};

// Style bits of a control.
constexpr uint32_t kDisabled = 1u << 0;
constexpr uint32_t kHidden = 1u << 1;
constexpr uint32_t kGroup = 1u << 2;        // first control of a group (radio groups, tab order)
constexpr uint32_t kTabStop = 1u << 3;
constexpr uint32_t kMultiSelect = 1u << 4;  // list view, list box: several rows may be selected
constexpr uint32_t kMultiLine = 1u << 5;    // a button or label whose text wraps
constexpr uint32_t kReadOnly = 1u << 6;     // edit
constexpr uint32_t kCentred = 1u << 7;      // label text centred

// A control without an id of its own (labels, group boxes).
constexpr int kNoId = -1;
// The ids of the two standard buttons, which are also the answers a dialog ends with.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

struct ControlEntry {
  int id = kNoId;
  ControlClass cls = ControlClass::Label;
  std::string text;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  uint32_t style = 0;
};

struct DialogTemplate {
  int id = 0;             // the resource number
  std::string symbol;     // the name of the resource number in the script, e.g. "IDD_MAIN"
  std::string caption;
  int width = 0, height = 0;  // dialog units
  bool minimiseBox = false;
  std::vector<ControlEntry> controls;

  // The control with this id, or null.
  const ControlEntry* Find(int controlId) const;
};

}  // namespace ui
