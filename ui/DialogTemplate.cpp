// Look-up of a control in a dialog description.
#include "ui/DialogTemplate.h"

namespace ui {

const ControlEntry* DialogTemplate::Find(int controlId) const {
  for (const ControlEntry& c : controls) {
    if (c.id == controlId && controlId != kNoId) return &c;
  }
  return nullptr;
}

}  // namespace ui
