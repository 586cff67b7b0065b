// What a dialog asks of the open and save file dialogs.
#pragma once

#include <cstddef>
#include <string>

namespace ui {

struct FileDialogRequest {
  bool save = false;              // a save dialog; otherwise an open dialog
  std::string filter;             // "Text(*.x)|*.x||": pairs of description and pattern
  std::string defaultExtension;   // added to a typed name without one (save)
  std::string fileName;           // the name shown at first
  bool multiSelect = false;       // open: several files may be chosen
  bool hideReadOnly = true;       // no read-only check box
  size_t nameBufferSize = 260;    // characters the chosen names may take together
};

}  // namespace ui
