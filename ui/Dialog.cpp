// The base of every dialog class: dispatch through the message map, message boxes.
#include "ui/Dialog.h"

#include "platform/os/MessageBox.h"

namespace ui {

void Dialog::Dispatch(int controlId, Event event, int item) {
  auto it = handlers_.find({controlId, event});
  if (it != handlers_.end()) {
    it->second(item);
  } else if (event == Event::Clicked && controlId == kIdOk) {
    OnOK();
  } else if (event == Event::Clicked && controlId == kIdCancel) {
    OnCancel();
  }
}

int Dialog::MessageBox(const std::string& text, const std::string& caption, uint32_t type) {
  return os::MessageBoxA(host_->Owner(), text.c_str(), caption.c_str(), type);
}

}  // namespace ui
