// The headless host: runs a dialog class against controls kept in memory. A test starts it, then
// acts as the user (click, select, type, drag, close), lets virtual time pass to fire timers, and
// reads every control back. Message boxes go to the simulated platform's message boxes.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogHost.h"
#include "ui/headless/HeadlessControl.h"
#include "ui/headless/HeadlessScript.h"

namespace ui {

class HeadlessDialog : public DialogHost {
 public:
  explicit HeadlessDialog(Dialog& dialog,
                          std::shared_ptr<HeadlessScript> script = std::make_shared<HeadlessScript>());
  ~HeadlessDialog() override;

  // Shows the dialog: builds the controls from its description and runs its initialisation.
  void Start();
  bool IsOpen() const { return started_ && !ended_; }
  // What the dialog ended with (kIdCancel while it is open).
  int Result() const { return result_; }
  HeadlessScript& Script() { return *script_; }

  // The user's actions. Each returns false, and does nothing, when the dialog is not open or the
  // control is missing, disabled or hidden.
  bool Click(int id);
  // Makes exactly `rows` the selected rows of a list view; reports each newly selected row.
  bool SelectRows(int id, const std::vector<int>& rows);
  bool SelectItem(int id, int index);  // list box or combo box
  bool Type(int id, const std::string& text);
  bool DragSlider(int id, int pos);    // moves the thumb and lets it go
  bool SystemCommand(int command);     // an item that the dialog added to the system menu
  bool Close();                        // the close box
  void SetMinimised(bool minimised) { minimised_ = minimised; }
  // Paints the window now.
  void Paint();
  // Lets `ms` of virtual time pass, firing the window's timers as they fall due.
  void AdvanceClock(uint32_t ms);

  // Reading back.
  const HeadlessControl& Control(int id) const;
  bool HasTimer(int timerId) const { return timers_.count(timerId) != 0; }
  int PaintCount() const { return paintCount_; }
  // The control the dialog last gave the focus to (kNoId when it never did).
  int FocusedId() const { return focusedId_; }
  const std::vector<std::string>& SystemMenu() const { return systemMenu_; }
  // Ids the dialog class used that its description lacks (a fault of the class).
  const std::vector<int>& UnknownIds() const { return unknownIds_; }

  // DialogHost.
  void* Owner() override { return this; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
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
  void Invalidate() override { needsPaint_ = true; }
  bool IsMinimised() const override { return minimised_; }
  void SetTimer(int timerId, uint32_t periodMs) override;
  void KillTimer(int timerId) override { timers_.erase(timerId); }
  void AddSystemMenuItem(int command, const std::string& text) override;
  std::vector<std::string> ChooseFiles(const FileDialogRequest& request) override;

 private:
  struct Timer {
    uint32_t periodMs;
    uint32_t dueMs;
  };

  HeadlessControl* Find(int id);
  const HeadlessControl* Find(int id) const;
  // The control if the user can act on it now.
  HeadlessControl* Usable(int id);
  // Runs one event, then what follows it: the window's end and the paints it asked for.
  template <class F>
  void Deliver(F&& event);
  void CheckRadio(int id);

  Dialog& dialog_;
  std::shared_ptr<HeadlessScript> script_;
  std::vector<HeadlessControl> controls_;
  std::string caption_;
  bool started_ = false;
  bool ended_ = false;
  bool destroyed_ = false;
  bool minimised_ = false;
  bool needsPaint_ = false;
  int result_ = kIdCancel;
  int paintCount_ = 0;
  int focusedId_ = kNoId;
  std::map<int, Timer> timers_;
  std::map<int, std::string> systemCommands_;
  std::vector<std::string> systemMenu_;
  mutable std::vector<int> unknownIds_;
};

}  // namespace ui
