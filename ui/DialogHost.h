// What a dialog class asks of the window it runs in: control access by id, drawing, timers and
// the common dialogs. The Windows host does it with real windows, the headless host in memory.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap/Bitmap.h"
#include "ui/FileDialog.h"

namespace ui {

class Dialog;

struct ListColumn {
  std::string title;
  int width = 0;  // pixels of the classic dialog font at 96 dots per inch; the text is centred
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // The owner to give message boxes (the window, or a stand-in for it).
  virtual void* Owner() = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void EndDialog(int result) = 0;
  // Runs another dialog modally over this one and returns what it ended with.
  virtual int RunModal(Dialog& child) = 0;

  // Every control.
  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string Text(int id) const = 0;
  virtual void Enable(int id, bool enable) = 0;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Show(int id, bool show) = 0;
  virtual bool IsVisible(int id) const = 0;
  // Moves the keyboard focus to the control.
  virtual void SetFocus(int id) = 0;

  // Check boxes and radio buttons.
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;

  // List views (report style): columns, rows of cell texts, the selected rows in ascending order.
  virtual void AddListColumn(int id, const ListColumn& column) = 0;
  virtual void ClearListRows(int id) = 0;
  virtual void AddListRow(int id, const std::vector<std::string>& cells) = 0;
  virtual int ListRowCount(int id) const = 0;
  virtual std::string ListCell(int id, int row, int column) const = 0;
  virtual std::vector<int> SelectedListRows(int id) const = 0;

  // List boxes and combo boxes: items and the current one (-1 for none).
  virtual void ClearItems(int id) = 0;
  virtual void AddItem(int id, const std::string& text) = 0;
  virtual int ItemCount(int id) const = 0;
  virtual std::string ItemText(int id, int index) const = 0;
  virtual int CurrentItem(int id) const = 0;
  virtual void SetCurrentItem(int id, int index) = 0;

  // Sliders.
  virtual void SetSliderRange(int id, int minimum, int maximum) = 0;
  virtual void SetSliderSteps(int id, int tickFrequency, int pageSize) = 0;
  virtual void SetSliderPos(int id, int pos) = 0;
  virtual int SliderPos(int id) const = 0;

  // Progress bars.
  virtual void SetProgressRange(int id, int minimum, int maximum) = 0;
  virtual void SetProgressPos(int id, int pos) = 0;
  virtual int ProgressPos(int id) const = 0;

  // IP address fields.
  virtual void SetIpAddress(int id, const std::array<uint8_t, 4>& address) = 0;
  virtual std::array<uint8_t, 4> IpAddress(int id) const = 0;

  // Drawing: the colour an owner-drawn static is filled with; the inner width of a frame in
  // pixels; a picture drawn at the top-left of a frame (only from the paint handler); a request
  // to paint the window again.
  virtual void SetFillColour(int id, ColourRef colour) = 0;
  virtual int FrameWidth(int id) const = 0;
  virtual void DrawImage(int frameId, const Bitmap& image) = 0;
  virtual void Invalidate() = 0;
  virtual bool IsMinimised() const = 0;

  // Window timers: OnTimer(timerId) every `periodMs` until killed.
  virtual void SetTimer(int timerId, uint32_t periodMs) = 0;
  virtual void KillTimer(int timerId) = 0;

  // An item of the window's system menu, reported to OnSysCommand; a separator goes before it.
  virtual void AddSystemMenuItem(int command, const std::string& text) = 0;

  // The common file dialogs: the chosen paths, empty when cancelled.
  virtual std::vector<std::string> ChooseFiles(const FileDialogRequest& request) = 0;
};

}  // namespace ui
