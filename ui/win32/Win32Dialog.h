// The Windows host: runs a dialog class in a real modal dialog window made from the dialog
// resource of the same number (the resource script written from the dialog's description).
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogHost.h"

namespace ui {

// The icon resource a program's main window (a dialog without an owner) shows.
constexpr int kProgramIconId = 1;

class Win32Dialog : public DialogHost {
 public:
  // `owner` is the window the dialog is modal over, or null.
  explicit Win32Dialog(Dialog& dialog, HWND owner = nullptr);
  ~Win32Dialog() override = default;

  // Shows the dialog and runs it until it ends; returns what it ended with (-1 when the window
  // could not be made).
  int Run();
  HWND Window() const { return hwnd_; }

  // DialogHost.
  void* Owner() override { return hwnd_; }
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void EndDialog(int result) override;
  int RunModal(Dialog& child) override;
  void SetText(int id, const std::string& text) override;
  std::string Text(int id) const override;
  void Enable(int id, bool enable) override;
  bool IsEnabled(int id) const override;
  void Show(int id, bool show) override;
  bool IsVisible(int id) const override;
  void SetFocus(int id) override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void AddListColumn(int id, const ListColumn& column) override;
  void ClearListRows(int id) override;
  void AddListRow(int id, const std::vector<std::string>& cells) override;
  int ListRowCount(int id) const override;
  std::string ListCell(int id, int row, int column) const override;
  std::vector<int> SelectedListRows(int id) const override;
  void ClearItems(int id) override;
  void AddItem(int id, const std::string& text) override;
  int ItemCount(int id) const override;
  std::string ItemText(int id, int index) const override;
  int CurrentItem(int id) const override;
  void SetCurrentItem(int id, int index) override;
  void SetSliderRange(int id, int minimum, int maximum) override;
  void SetSliderSteps(int id, int tickFrequency, int pageSize) override;
  void SetSliderPos(int id, int pos) override;
  int SliderPos(int id) const override;
  void SetProgressRange(int id, int minimum, int maximum) override;
  void SetProgressPos(int id, int pos) override;
  int ProgressPos(int id) const override;
  void SetIpAddress(int id, const std::array<uint8_t, 4>& address) override;
  std::array<uint8_t, 4> IpAddress(int id) const override;
  void SetFillColour(int id, ColourRef colour) override;
  int FrameWidth(int id) const override;
  void DrawImage(int frameId, const Bitmap& image) override;
  void Invalidate() override;
  bool IsMinimised() const override;
  void SetTimer(int timerId, uint32_t periodMs) override;
  void KillTimer(int timerId) override;
  void AddSystemMenuItem(int command, const std::string& text) override;
  std::vector<std::string> ChooseFiles(const FileDialogRequest& request) override;

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code, HWND control);
  INT_PTR OnNotify(const NMHDR& header);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  HWND Item(int id) const;
  // A list column's width in this window's pixels.
  int ScaledColumnWidth(int width) const;
  // The window's big and small icons from the program's icon resource, if it has one.
  void SetProgramIcons();
  ControlClass ClassOf(int id) const;
  // The control's rectangle in the window's client coordinates.
  RECT ClientRectOf(HWND control) const;

  Dialog& dialog_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  HDC paintDc_ = nullptr;  // during the paint handler
  bool ended_ = false;
  int quiet_ = 0;          // above 0 while the dialog itself changes controls: no events then
  std::map<int, ColourRef> fills_;
  std::map<int, bool> timers_;
  std::map<int, bool> systemCommands_;
};

}  // namespace ui
