// The Windows host: real dialog windows, control access by id and the dispatch of their messages
// to the dialog class's handlers.
#include "ui/win32/Win32Dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "ui/FrameInset.h"
#include "ui/win32/FileNames.h"

namespace ui {
namespace {

// Holds the dialog's own changes of its controls quiet: no events come back from them.
class Quiet {
 public:
  explicit Quiet(int& counter) : counter_(counter) { ++counter_; }
  ~Quiet() { --counter_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  int& counter_;
};

std::string WindowText(HWND window) {
  if (!window) return {};
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, &text[0], length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

// A colour reference as a 32-bit DIB pixel (blue in the lowest byte).
DWORD DibPixel(ColourRef c) {
  return static_cast<DWORD>(BlueOf(c) | (GreenOf(c) << 8) | (RedOf(c) << 16));
}

}  // namespace

Win32Dialog::Win32Dialog(Dialog& dialog, HWND owner) : dialog_(dialog), owner_(owner) {}

int Win32Dialog::Run() {
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialog_.Template().id),
                                         owner_, &Win32Dialog::Procedure, reinterpret_cast<LPARAM>(this));
  return static_cast<int>(result);
}

INT_PTR CALLBACK Win32Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32Dialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    return self->Handle(message, wParam, lParam);
  }
  auto* self = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR Win32Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      dialog_.Attach(this);
      if (owner_ == nullptr) SetProgramIcons();
      for (const ControlEntry& entry : dialog_.Template().controls) {
        if (entry.cls == ControlClass::ListView && entry.id != kNoId) {
          ListView_SetExtendedListViewStyle(Item(entry.id), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        }
      }
      Quiet quiet(quiet_);
      return dialog_.OnInitDialog() ? TRUE : FALSE;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL: {
      HWND control = reinterpret_cast<HWND>(lParam);
      if (control && LOWORD(wParam) == TB_ENDTRACK && !ended_) {
        dialog_.Dispatch(GetDlgCtrlID(control), Event::SliderReleased);
      }
      return TRUE;
    }
    case WM_TIMER:
      if (!ended_) dialog_.OnTimer(static_cast<int>(wParam));
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      paintDc_ = BeginPaint(hwnd_, &ps);
      if (!ended_) dialog_.OnPaint();
      EndPaint(hwnd_, &ps);
      paintDc_ = nullptr;
      return TRUE;
    }
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_SYSCOMMAND: {
      const int command = static_cast<int>(wParam & 0xFFF0);
      if (systemCommands_.count(command)) {
        if (!ended_) dialog_.OnSysCommand(command);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CLOSE:
      if (!ended_) dialog_.OnCancel();
      return TRUE;
    case WM_DESTROY:
      for (const auto& timer : timers_) ::KillTimer(hwnd_, static_cast<UINT_PTR>(timer.first));
      timers_.clear();
      ended_ = true;
      dialog_.OnDestroy();
      return TRUE;
  }
  return FALSE;
}

void Win32Dialog::OnCommand(int id, int code, HWND control) {
  if (ended_ || quiet_ > 0) return;
  if (!control) {
    // The keyboard: Enter presses the default button, Escape cancels.
    if (id == kIdCancel) {
      dialog_.OnCancel();
    } else if (id == kIdOk) {
      dialog_.Dispatch(kIdOk, Event::Clicked);
    }
    return;
  }
  switch (ClassOf(id)) {
    case ControlClass::PushButton:
    case ControlClass::DefaultButton:
    case ControlClass::RadioButton:
    case ControlClass::CheckBox:
      if (code == BN_CLICKED) dialog_.Dispatch(id, Event::Clicked);
      break;
    case ControlClass::ListBox:
      if (code == LBN_SELCHANGE) {
        dialog_.Dispatch(id, Event::SelectionChanged, static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
      }
      break;
    case ControlClass::ComboBox:
      if (code == CBN_SELCHANGE) {
        dialog_.Dispatch(id, Event::SelectionChanged, static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)));
      }
      break;
    case ControlClass::Edit:
      if (code == EN_CHANGE) dialog_.Dispatch(id, Event::TextChanged);
      break;
    default:
      break;
  }
}

INT_PTR Win32Dialog::OnNotify(const NMHDR& header) {
  if (ended_ || quiet_ > 0) return FALSE;
  const int id = static_cast<int>(header.idFrom);
  if (header.code == LVN_ITEMCHANGED && ClassOf(id) == ControlClass::ListView) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool nowSelected = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                             !(change.uOldState & LVIS_SELECTED);
    if (nowSelected && change.iItem >= 0) dialog_.Dispatch(id, Event::SelectionChanged, change.iItem);
  }
  return FALSE;
}

bool Win32Dialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC) return false;
  auto fill = fills_.find(static_cast<int>(item.CtlID));
  const COLORREF colour = fill != fills_.end() ? static_cast<COLORREF>(fill->second) : GetSysColor(COLOR_BTNFACE);
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(item.hDC, &item.rcItem, brush);
  DeleteObject(brush);
  return true;
}

HWND Win32Dialog::Item(int id) const { return id == kNoId || !hwnd_ ? nullptr : GetDlgItem(hwnd_, id); }

ControlClass Win32Dialog::ClassOf(int id) const {
  const ControlEntry* entry = dialog_.Template().Find(id);
  return entry ? entry->cls : ControlClass::Label;
}

RECT Win32Dialog::ClientRectOf(HWND control) const {
  RECT r{};
  if (!control) return r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Win32Dialog::SetCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }
std::string Win32Dialog::Caption() const { return WindowText(hwnd_); }

void Win32Dialog::EndDialog(int result) {
  if (ended_) return;
  ended_ = true;
  ::EndDialog(hwnd_, result);
}

void Win32Dialog::SetProgramIcons() {
  HINSTANCE module = GetModuleHandleA(nullptr);
  const struct {
    WPARAM which;
    int metricX, metricY;
  } sizes[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
  for (const auto& s : sizes) {
    HANDLE icon = LoadImageA(module, MAKEINTRESOURCEA(kProgramIconId), IMAGE_ICON,
                             GetSystemMetrics(s.metricX), GetSystemMetrics(s.metricY), LR_DEFAULTCOLOR);
    if (icon != nullptr) SendMessageA(hwnd_, WM_SETICON, s.which, reinterpret_cast<LPARAM>(icon));
  }
}

int Win32Dialog::RunModal(Dialog& child) {
  Win32Dialog host(child, hwnd_);
  return host.Run();
}

void Win32Dialog::SetText(int id, const std::string& text) {
  Quiet quiet(quiet_);
  if (HWND c = Item(id)) SetWindowTextA(c, text.c_str());
}
std::string Win32Dialog::Text(int id) const { return WindowText(Item(id)); }
void Win32Dialog::Enable(int id, bool enable) {
  if (HWND c = Item(id)) EnableWindow(c, enable ? TRUE : FALSE);
}
bool Win32Dialog::IsEnabled(int id) const {
  HWND c = Item(id);
  return c && IsWindowEnabled(c);
}
void Win32Dialog::Show(int id, bool show) {
  if (HWND c = Item(id)) ShowWindow(c, show ? SW_SHOW : SW_HIDE);
}
void Win32Dialog::SetFocus(int id) {
  // The dialog's own way of moving the focus, so the default button follows it.
  if (HWND c = Item(id)) SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c), TRUE);
}
bool Win32Dialog::IsVisible(int id) const {
  HWND c = Item(id);
  return c && (GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE) != 0;
}
void Win32Dialog::SetCheck(int id, bool checked) {
  Quiet quiet(quiet_);
  if (HWND c = Item(id)) SendMessageA(c, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool Win32Dialog::IsChecked(int id) const {
  HWND c = Item(id);
  return c && SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Win32Dialog::ScaledColumnWidth(int width) const {
  // Widths are given for the classic dialog font at 96 dots per inch (6 pixels per 4 dialog
  // units across); the window's own font and resolution widen them in proportion, so a heading
  // fits the column the way it was laid out.
  RECT units{0, 0, 4, 8};
  MapDialogRect(hwnd_, &units);
  constexpr int kClassicPixelsPer4Units = 6;
  return std::max(width, MulDiv(width, units.right, kClassicPixelsPer4Units));
}

void Win32Dialog::AddListColumn(int id, const ListColumn& column) {
  HWND c = Item(id);
  if (!c) return;
  const int index = Header_GetItemCount(ListView_GetHeader(c));
  std::string title = column.title;
  LVCOLUMNA col{};
  col.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  col.fmt = LVCFMT_CENTER;
  col.cx = ScaledColumnWidth(column.width);
  col.pszText = &title[0];
  col.iSubItem = index;
  SendMessageA(c, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col));
}
void Win32Dialog::ClearListRows(int id) {
  Quiet quiet(quiet_);
  if (HWND c = Item(id)) ListView_DeleteAllItems(c);
}
void Win32Dialog::AddListRow(int id, const std::vector<std::string>& cells) {
  Quiet quiet(quiet_);
  HWND c = Item(id);
  if (!c) return;
  std::vector<std::string> texts = cells;
  if (texts.empty()) texts.emplace_back();
  LVITEMA row{};
  row.mask = LVIF_TEXT;
  row.iItem = ListView_GetItemCount(c);
  row.pszText = &texts[0][0];
  const int index = static_cast<int>(SendMessageA(c, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
  if (index < 0) return;
  for (size_t i = 1; i < texts.size(); ++i) {
    LVITEMA cell{};
    cell.iSubItem = static_cast<int>(i);
    cell.pszText = &texts[i][0];
    SendMessageA(c, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&cell));
  }
}
int Win32Dialog::ListRowCount(int id) const {
  HWND c = Item(id);
  return c ? ListView_GetItemCount(c) : 0;
}
std::string Win32Dialog::ListCell(int id, int row, int column) const {
  HWND c = Item(id);
  if (!c || row < 0 || row >= ListView_GetItemCount(c) || column < 0) return {};
  char buffer[1024] = {};
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = buffer;
  cell.cchTextMax = sizeof buffer;
  SendMessageA(c, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return buffer;
}
std::vector<int> Win32Dialog::SelectedListRows(int id) const {
  std::vector<int> rows;
  HWND c = Item(id);
  if (!c) return rows;
  for (int i = ListView_GetNextItem(c, -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(c, i, LVNI_SELECTED)) {
    rows.push_back(i);
  }
  return rows;
}

void Win32Dialog::ClearItems(int id) {
  Quiet quiet(quiet_);
  HWND c = Item(id);
  if (!c) return;
  SendMessageA(c, ClassOf(id) == ControlClass::ComboBox ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}
void Win32Dialog::AddItem(int id, const std::string& text) {
  Quiet quiet(quiet_);
  HWND c = Item(id);
  if (!c) return;
  SendMessageA(c, ClassOf(id) == ControlClass::ComboBox ? CB_ADDSTRING : LB_ADDSTRING, 0,
               reinterpret_cast<LPARAM>(text.c_str()));
}
int Win32Dialog::ItemCount(int id) const {
  HWND c = Item(id);
  if (!c) return 0;
  const LRESULT n = SendMessageA(c, ClassOf(id) == ControlClass::ComboBox ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  return n < 0 ? 0 : static_cast<int>(n);
}
std::string Win32Dialog::ItemText(int id, int index) const {
  HWND c = Item(id);
  if (!c || index < 0 || index >= ItemCount(id)) return {};
  const bool combo = ClassOf(id) == ControlClass::ComboBox;
  const LRESULT length = SendMessageA(c, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(c, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}
int Win32Dialog::CurrentItem(int id) const {
  HWND c = Item(id);
  if (!c) return -1;
  const LRESULT index = SendMessageA(c, ClassOf(id) == ControlClass::ComboBox ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  return index < 0 ? -1 : static_cast<int>(index);
}
void Win32Dialog::SetCurrentItem(int id, int index) {
  Quiet quiet(quiet_);
  HWND c = Item(id);
  if (!c) return;
  if (index < 0 || index >= ItemCount(id)) index = -1;
  SendMessageA(c, ClassOf(id) == ControlClass::ComboBox ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32Dialog::SetSliderRange(int id, int minimum, int maximum) {
  if (HWND c = Item(id)) {
    SendMessageA(c, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(c, TBM_SETRANGEMAX, TRUE, maximum);
  }
}
void Win32Dialog::SetSliderSteps(int id, int tickFrequency, int pageSize) {
  if (HWND c = Item(id)) {
    SendMessageA(c, TBM_SETTICFREQ, static_cast<WPARAM>(tickFrequency), 0);
    SendMessageA(c, TBM_SETPAGESIZE, 0, pageSize);
  }
}
void Win32Dialog::SetSliderPos(int id, int pos) {
  if (HWND c = Item(id)) SendMessageA(c, TBM_SETPOS, TRUE, pos);
}
int Win32Dialog::SliderPos(int id) const {
  HWND c = Item(id);
  return c ? static_cast<int>(SendMessageA(c, TBM_GETPOS, 0, 0)) : 0;
}
void Win32Dialog::SetProgressRange(int id, int minimum, int maximum) {
  if (HWND c = Item(id)) SendMessageA(c, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}
void Win32Dialog::SetProgressPos(int id, int pos) {
  if (HWND c = Item(id)) SendMessageA(c, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
}
int Win32Dialog::ProgressPos(int id) const {
  HWND c = Item(id);
  return c ? static_cast<int>(SendMessageA(c, PBM_GETPOS, 0, 0)) : 0;
}

void Win32Dialog::SetIpAddress(int id, const std::array<uint8_t, 4>& a) {
  Quiet quiet(quiet_);
  if (HWND c = Item(id)) SendMessageA(c, IPM_SETADDRESS, 0, static_cast<LPARAM>(MAKEIPADDRESS(a[0], a[1], a[2], a[3])));
}
std::array<uint8_t, 4> Win32Dialog::IpAddress(int id) const {
  DWORD address = 0;
  if (HWND c = Item(id)) SendMessageA(c, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
  return {static_cast<uint8_t>(FIRST_IPADDRESS(address)), static_cast<uint8_t>(SECOND_IPADDRESS(address)),
          static_cast<uint8_t>(THIRD_IPADDRESS(address)), static_cast<uint8_t>(FOURTH_IPADDRESS(address))};
}

void Win32Dialog::SetFillColour(int id, ColourRef colour) {
  fills_[id] = colour;
  if (HWND c = Item(id)) InvalidateRect(c, nullptr, TRUE);
}
int Win32Dialog::FrameWidth(int id) const {
  const RECT r = ClientRectOf(Item(id));
  return std::max(0, static_cast<int>(r.right - r.left) - kFrameInsetLeft - kFrameInsetRight);
}
void Win32Dialog::DrawImage(int frameId, const Bitmap& image) {
  HWND frame = Item(frameId);
  if (!frame || image.width <= 0 || image.height <= 0) return;
  const RECT r = ClientRectOf(frame);
  HDC dc = paintDc_ ? paintDc_ : GetDC(hwnd_);
  std::vector<DWORD> pixels(image.pixels.size());
  std::transform(image.pixels.begin(), image.pixels.end(), pixels.begin(), DibPixel);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const int saved = SaveDC(dc);
  // The picture stays inside the frame.
  IntersectClipRect(dc, r.left + kFrameInsetLeft, r.top + kFrameInsetTop, r.right - kFrameInsetRight, r.bottom - 2);
  StretchDIBits(dc, r.left + kFrameInsetLeft, r.top + kFrameInsetTop, image.width, image.height, 0, 0, image.width,
                image.height, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  RestoreDC(dc, saved);
  if (!paintDc_) ReleaseDC(hwnd_, dc);
}
void Win32Dialog::Invalidate() {
  if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
bool Win32Dialog::IsMinimised() const { return hwnd_ && IsIconic(hwnd_); }

void Win32Dialog::SetTimer(int timerId, uint32_t periodMs) {
  ::SetTimer(hwnd_, static_cast<UINT_PTR>(timerId), periodMs, nullptr);
  timers_[timerId] = true;
}
void Win32Dialog::KillTimer(int timerId) {
  ::KillTimer(hwnd_, static_cast<UINT_PTR>(timerId));
  timers_.erase(timerId);
}

void Win32Dialog::AddSystemMenuItem(int command, const std::string& text) {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menu) return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text.c_str());
  systemCommands_[command] = true;
}

std::vector<std::string> Win32Dialog::ChooseFiles(const FileDialogRequest& request) {
  std::string filter = FilterForCommonDialog(request.filter);
  std::vector<char> names(std::max<size_t>(request.nameBufferSize, request.fileName.size() + 2), '\0');
  std::copy(request.fileName.begin(), request.fileName.end(), names.begin());
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd_;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.lpstrFile = names.data();
  ofn.nMaxFile = static_cast<DWORD>(names.size());
  ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (request.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (request.save) {
    ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&ofn)) return {};
  } else {
    if (request.multiSelect) ofn.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(&ofn)) return {};
  }
  return ChosenFileNames(names.data(), names.size());
}

}  // namespace ui
