// The headless host: controls in memory, user actions as method calls, timers on the virtual clock.
#include "ui/headless/HeadlessDialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sim/SimClock.h"
#include "ui/FrameInset.h"

namespace ui {
namespace {

// Pixels per four horizontal dialog units for the dialog font at 96 dots per inch.
constexpr int kBaseUnitX = 6;
// The shortest period a window timer runs at.
constexpr uint32_t kTimerMinimumMs = 10;

bool IsButton(ControlClass cls) {
  return cls == ControlClass::PushButton || cls == ControlClass::DefaultButton ||
         cls == ControlClass::RadioButton || cls == ControlClass::CheckBox;
}

}  // namespace

HeadlessDialog::HeadlessDialog(Dialog& dialog, std::shared_ptr<HeadlessScript> script)
    : dialog_(dialog), script_(std::move(script)) {}

HeadlessDialog::~HeadlessDialog() {
  if (started_ && !destroyed_) {
    destroyed_ = true;
    dialog_.OnDestroy();
  }
}

void HeadlessDialog::Start() {
  const DialogTemplate& t = dialog_.Template();
  caption_ = t.caption;
  controls_.clear();
  for (const ControlEntry& entry : t.controls) {
    HeadlessControl c;
    c.entry = entry;
    c.text = entry.text;
    c.enabled = (entry.style & kDisabled) == 0;
    c.visible = (entry.style & kHidden) == 0;
    controls_.push_back(c);
  }
  started_ = true;
  dialog_.Attach(this);
  Deliver([this] { dialog_.OnInitDialog(); });
  needsPaint_ = true;
  Deliver([] {});
}

template <class F>
void HeadlessDialog::Deliver(F&& event) {
  event();
  while (needsPaint_ && IsOpen()) {
    needsPaint_ = false;
    Paint();
  }
  if (ended_ && !destroyed_) {
    destroyed_ = true;
    timers_.clear();
    dialog_.OnDestroy();
  }
}

void HeadlessDialog::Paint() {
  if (!IsOpen()) return;
  for (HeadlessControl& c : controls_) c.image.reset();
  ++paintCount_;
  dialog_.OnPaint();
}

HeadlessControl* HeadlessDialog::Find(int id) {
  for (HeadlessControl& c : controls_) {
    if (c.entry.id == id && id != kNoId) return &c;
  }
  unknownIds_.push_back(id);
  return nullptr;
}

const HeadlessControl* HeadlessDialog::Find(int id) const {
  for (const HeadlessControl& c : controls_) {
    if (c.entry.id == id && id != kNoId) return &c;
  }
  unknownIds_.push_back(id);
  return nullptr;
}

const HeadlessControl& HeadlessDialog::Control(int id) const {
  const HeadlessControl* c = Find(id);
  if (!c) {
    std::fprintf(stderr, "dialog %d has no control %d\n", dialog_.Template().id, id);
    std::abort();
  }
  return *c;
}

HeadlessControl* HeadlessDialog::Usable(int id) {
  if (!IsOpen()) return nullptr;
  HeadlessControl* c = Find(id);
  return (c && c->enabled && c->visible) ? c : nullptr;
}

void HeadlessDialog::CheckRadio(int id) {
  // The group runs from the nearest control at or before `id` that starts one to the next start.
  size_t index = 0;
  while (controls_[index].entry.id != id) ++index;
  size_t first = index;
  while (first > 0 && !(controls_[first].entry.style & kGroup)) --first;
  for (size_t i = first; i < controls_.size(); ++i) {
    if (i > first && (controls_[i].entry.style & kGroup)) break;
    if (controls_[i].entry.cls == ControlClass::RadioButton) controls_[i].checked = (i == index);
  }
}

bool HeadlessDialog::Click(int id) {
  HeadlessControl* c = Usable(id);
  if (!c || !IsButton(c->entry.cls)) return false;
  if (c->entry.cls == ControlClass::CheckBox) c->checked = !c->checked;
  if (c->entry.cls == ControlClass::RadioButton) CheckRadio(id);
  Deliver([this, id] { dialog_.Dispatch(id, Event::Clicked); });
  return true;
}

bool HeadlessDialog::SelectRows(int id, const std::vector<int>& rows) {
  HeadlessControl* c = Usable(id);
  if (!c || c->entry.cls != ControlClass::ListView) return false;
  std::set<int> wanted;
  for (int row : rows) {
    if (row < 0 || row >= static_cast<int>(c->rows.size())) return false;
    wanted.insert(row);
  }
  if (wanted.size() > 1 && !(c->entry.style & kMultiSelect)) return false;
  const std::set<int> before = c->selectedRows;
  c->selectedRows = wanted;
  for (int row : wanted) {
    if (!before.count(row)) Deliver([this, id, row] { dialog_.Dispatch(id, Event::SelectionChanged, row); });
  }
  return true;
}

bool HeadlessDialog::SelectItem(int id, int index) {
  HeadlessControl* c = Usable(id);
  if (!c || (c->entry.cls != ControlClass::ListBox && c->entry.cls != ControlClass::ComboBox)) return false;
  if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
  c->currentItem = index;
  Deliver([this, id, index] { dialog_.Dispatch(id, Event::SelectionChanged, index); });
  return true;
}

bool HeadlessDialog::Type(int id, const std::string& text) {
  HeadlessControl* c = Usable(id);
  if (!c || c->entry.cls != ControlClass::Edit || (c->entry.style & kReadOnly)) return false;
  c->text = text;
  Deliver([this, id] { dialog_.Dispatch(id, Event::TextChanged); });
  return true;
}

bool HeadlessDialog::DragSlider(int id, int pos) {
  HeadlessControl* c = Usable(id);
  if (!c || c->entry.cls != ControlClass::Slider) return false;
  c->pos = std::clamp(pos, c->minimum, c->maximum);
  Deliver([this, id] { dialog_.Dispatch(id, Event::SliderReleased); });
  return true;
}

bool HeadlessDialog::SystemCommand(int command) {
  if (!IsOpen() || !systemCommands_.count(command)) return false;
  Deliver([this, command] { dialog_.OnSysCommand(command); });
  return true;
}

bool HeadlessDialog::Close() {
  if (!IsOpen()) return false;
  Deliver([this] { dialog_.OnCancel(); });
  return true;
}

void HeadlessDialog::AdvanceClock(uint32_t ms) {
  const uint32_t end = sim::NowMs() + ms;
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (it->second.dueMs <= end && (next == timers_.end() || it->second.dueMs < next->second.dueMs)) next = it;
    }
    if (next == timers_.end() || !IsOpen()) break;
    const int timerId = next->first;
    if (next->second.dueMs > sim::NowMs()) sim::AdvanceMs(next->second.dueMs - sim::NowMs());
    Deliver([this, timerId] { dialog_.OnTimer(timerId); });
    auto fired = timers_.find(timerId);
    if (fired != timers_.end()) fired->second.dueMs = sim::NowMs() + fired->second.periodMs;
  }
  if (end > sim::NowMs()) sim::AdvanceMs(end - sim::NowMs());
}

void HeadlessDialog::EndDialog(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

int HeadlessDialog::RunModal(Dialog& child) {
  script_->modalsRun.push_back(child.Template().id);
  HeadlessDialog host(child, script_);
  host.Start();
  if (!script_->modalSteps.empty()) {
    auto step = std::move(script_->modalSteps.front());
    script_->modalSteps.pop_front();
    step(host);
  }
  if (host.IsOpen()) host.Close();
  if (host.IsOpen()) host.Deliver([&host] { host.EndDialog(kIdCancel); });
  return host.Result();
}

void HeadlessDialog::SetText(int id, const std::string& text) {
  if (HeadlessControl* c = Find(id)) c->text = text;
}
std::string HeadlessDialog::Text(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? c->text : std::string();
}
void HeadlessDialog::Enable(int id, bool enable) {
  if (HeadlessControl* c = Find(id)) c->enabled = enable;
}
bool HeadlessDialog::IsEnabled(int id) const {
  const HeadlessControl* c = Find(id);
  return c && c->enabled;
}
void HeadlessDialog::Show(int id, bool show) {
  if (HeadlessControl* c = Find(id)) c->visible = show;
}
bool HeadlessDialog::IsVisible(int id) const {
  const HeadlessControl* c = Find(id);
  return c && c->visible;
}
void HeadlessDialog::SetFocus(int id) {
  if (Find(id) != nullptr) focusedId_ = id;
}
void HeadlessDialog::SetCheck(int id, bool checked) {
  if (HeadlessControl* c = Find(id)) c->checked = checked;
}
bool HeadlessDialog::IsChecked(int id) const {
  const HeadlessControl* c = Find(id);
  return c && c->checked;
}

void HeadlessDialog::AddListColumn(int id, const ListColumn& column) {
  if (HeadlessControl* c = Find(id)) c->columns.push_back(column);
}
void HeadlessDialog::ClearListRows(int id) {
  if (HeadlessControl* c = Find(id)) {
    c->rows.clear();
    c->selectedRows.clear();
  }
}
void HeadlessDialog::AddListRow(int id, const std::vector<std::string>& cells) {
  if (HeadlessControl* c = Find(id)) c->rows.push_back(cells);
}
int HeadlessDialog::ListRowCount(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? static_cast<int>(c->rows.size()) : 0;
}
std::string HeadlessDialog::ListCell(int id, int row, int column) const {
  const HeadlessControl* c = Find(id);
  if (!c || row < 0 || row >= static_cast<int>(c->rows.size())) return {};
  const std::vector<std::string>& cells = c->rows[row];
  return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}
std::vector<int> HeadlessDialog::SelectedListRows(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? std::vector<int>(c->selectedRows.begin(), c->selectedRows.end()) : std::vector<int>();
}

void HeadlessDialog::ClearItems(int id) {
  if (HeadlessControl* c = Find(id)) {
    c->items.clear();
    c->currentItem = -1;
  }
}
void HeadlessDialog::AddItem(int id, const std::string& text) {
  if (HeadlessControl* c = Find(id)) c->items.push_back(text);
}
int HeadlessDialog::ItemCount(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? static_cast<int>(c->items.size()) : 0;
}
std::string HeadlessDialog::ItemText(int id, int index) const {
  const HeadlessControl* c = Find(id);
  return c && index >= 0 && index < static_cast<int>(c->items.size()) ? c->items[index] : std::string();
}
int HeadlessDialog::CurrentItem(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? c->currentItem : -1;
}
void HeadlessDialog::SetCurrentItem(int id, int index) {
  if (HeadlessControl* c = Find(id)) {
    c->currentItem = index >= 0 && index < static_cast<int>(c->items.size()) ? index : -1;
  }
}

void HeadlessDialog::SetSliderRange(int id, int minimum, int maximum) {
  if (HeadlessControl* c = Find(id)) {
    c->minimum = minimum;
    c->maximum = maximum;
    c->pos = std::clamp(c->pos, minimum, maximum);
  }
}
void HeadlessDialog::SetSliderSteps(int id, int tickFrequency, int pageSize) {
  if (HeadlessControl* c = Find(id)) {
    c->tickFrequency = tickFrequency;
    c->pageSize = pageSize;
  }
}
void HeadlessDialog::SetSliderPos(int id, int pos) {
  if (HeadlessControl* c = Find(id)) c->pos = std::clamp(pos, c->minimum, c->maximum);
}
int HeadlessDialog::SliderPos(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? c->pos : 0;
}
void HeadlessDialog::SetProgressRange(int id, int minimum, int maximum) { SetSliderRange(id, minimum, maximum); }
void HeadlessDialog::SetProgressPos(int id, int pos) { SetSliderPos(id, pos); }
int HeadlessDialog::ProgressPos(int id) const { return SliderPos(id); }

void HeadlessDialog::SetIpAddress(int id, const std::array<uint8_t, 4>& address) {
  if (HeadlessControl* c = Find(id)) c->ipAddress = address;
}
std::array<uint8_t, 4> HeadlessDialog::IpAddress(int id) const {
  const HeadlessControl* c = Find(id);
  return c ? c->ipAddress : std::array<uint8_t, 4>{};
}

void HeadlessDialog::SetFillColour(int id, ColourRef colour) {
  if (HeadlessControl* c = Find(id)) c->fillColour = colour;
}
int HeadlessDialog::FrameWidth(int id) const {
  const HeadlessControl* c = Find(id);
  if (!c) return 0;
  return std::max(0, c->entry.width * kBaseUnitX / 4 - kFrameInsetLeft - kFrameInsetRight);
}
void HeadlessDialog::DrawImage(int frameId, const Bitmap& image) {
  if (HeadlessControl* c = Find(frameId)) c->image = image;
}

void HeadlessDialog::SetTimer(int timerId, uint32_t periodMs) {
  const uint32_t period = std::max(periodMs, kTimerMinimumMs);
  timers_[timerId] = {period, sim::NowMs() + period};
}

void HeadlessDialog::AddSystemMenuItem(int command, const std::string& text) {
  systemMenu_.push_back("");
  systemMenu_.push_back(text);
  systemCommands_[command] = text;
}

std::vector<std::string> HeadlessDialog::ChooseFiles(const FileDialogRequest& request) {
  script_->fileRequests.push_back(request);
  if (script_->fileAnswers.empty()) return {};
  std::vector<std::string> answer = std::move(script_->fileAnswers.front());
  script_->fileAnswers.pop_front();
  return answer;
}

}  // namespace ui
