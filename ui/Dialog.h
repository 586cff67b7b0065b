// The base of every dialog class: its description, its message map (one handler per control and
// event) and the host it runs in.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "ui/DialogHost.h"
#include "ui/DialogTemplate.h"

namespace ui {

// The control events a handler can be bound to.
enum class Event {
  Clicked,           // a button, radio button or check box
  SelectionChanged,  // a list view row became selected (its index comes along), a list or combo box
  TextChanged,       // an edit
  SliderReleased,    // a slider's thumb was let go (or moved with the keyboard)
};

class Dialog {
 public:
  explicit Dialog(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  const DialogTemplate& Template() const { return template_; }

  // Called by the host: before anything else, then for every message.
  void Attach(DialogHost* host) { host_ = host; }
  virtual bool OnInitDialog() { return true; }
  // A control event; unbound clicks of the OK and Cancel buttons go to OnOK and OnCancel.
  void Dispatch(int controlId, Event event, int item = -1);
  virtual void OnOK() { EndDialog(kIdOk); }
  // The Cancel button, the Escape key and the close box.
  virtual void OnCancel() { EndDialog(kIdCancel); }
  virtual void OnTimer(int /*timerId*/) {}
  virtual void OnPaint() {}
  virtual void OnSysCommand(int /*command*/) {}
  // After the dialog has ended, before its window goes.
  virtual void OnDestroy() {}

 protected:
  DialogHost& Host() { return *host_; }
  const DialogHost& Host() const { return *host_; }
  void EndDialog(int result) { host_->EndDialog(result); }
  // A message box owned by this window, through the platform's message box.
  int MessageBox(const std::string& text, const std::string& caption, uint32_t type);

  // The message map.
  template <class T>
  void On(int controlId, Event event, void (T::*handler)()) {
    T* self = static_cast<T*>(this);
    handlers_[{controlId, event}] = [self, handler](int) { (self->*handler)(); };
  }
  template <class T>
  void OnItem(int controlId, Event event, void (T::*handler)(int item)) {
    T* self = static_cast<T*>(this);
    handlers_[{controlId, event}] = [self, handler](int item) { (self->*handler)(item); };
  }

 private:
  const DialogTemplate& template_;
  DialogHost* host_ = nullptr;
  std::map<std::pair<int, Event>, std::function<void(int)>> handlers_;
};

}  // namespace ui
