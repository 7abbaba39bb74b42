#include "ui/win32/win32_peer.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/wide_text.h"
#include "ui/application.h"
#include "ui/bevel.h"
#include "ui/radio_group.h"
#include "ui/rich_edit.h"
#include "ui/button.h"
#include "ui/check_list_box.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/status_bar.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

using platform::Narrow;
using platform::Widen;

PeerKind KindOf(const Control& control) {
  if (dynamic_cast<const Form*>(&control)) return PeerKind::Form;
  if (dynamic_cast<const Label*>(&control)) return PeerKind::Label;
  if (dynamic_cast<const Button*>(&control)) return PeerKind::Button;
  if (dynamic_cast<const ProgressBar*>(&control)) return PeerKind::ProgressBar;
  if (dynamic_cast<const StatusBar*>(&control)) return PeerKind::StatusBar;
  if (dynamic_cast<const CheckListBox*>(&control)) return PeerKind::CheckList;
  if (dynamic_cast<const Image*>(&control)) return PeerKind::Image;
  if (dynamic_cast<const RichEdit*>(&control)) return PeerKind::RichEdit;
  if (dynamic_cast<const RadioGroup*>(&control)) return PeerKind::RadioGroup;
  if (dynamic_cast<const Bevel*>(&control)) return PeerKind::Bevel;
  return PeerKind::Panel;
}

namespace {

// The rich edit control's DLL is not one Windows always takes from the system
// folder, so it is loaded from there explicitly.
const wchar_t* RichEditClass() {
  static const wchar_t* name = [] {
    if (LoadLibraryExW(L"msftedit.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return L"RICHEDIT50W";
    if (LoadLibraryExW(L"riched20.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return L"RichEdit20W";
    return L"EDIT";
  }();
  return name;
}

DWORD FormStyle(const Form& form) {
  switch (form.GetBorderStyle()) {
    case BorderStyle::Sizeable:
    case BorderStyle::SizeableDialog:
      return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case BorderStyle::DialogNoButtons:
      return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  }
  return WS_OVERLAPPEDWINDOW;
}

DWORD LabelStyle(const Label& label) {
  DWORD style = SS_NOPREFIX;
  switch (label.Alignment()) {
    case TextAlignment::Left: style |= SS_LEFT; break;
    case TextAlignment::Center: style |= SS_CENTER; break;
    case TextAlignment::Right: style |= SS_RIGHT; break;
  }
  return style;
}

}  // namespace

Peer::Peer(Win32Backend& backend, Control& control, PeerKind kind)
    : backend_(backend), control_(control), kind_(kind) {}

Peer::~Peer() {
  if (hwnd_) {
    backend_.Unregister(hwnd_);
    DestroyWindow(hwnd_);
  }
  if (font_) DeleteObject(font_);
  if (picture_) DeleteObject(picture_);
  if (mask_) DeleteObject(mask_);
}

void Peer::Create(HWND parent) {
  const Bounds& b = control_.GetBounds();
  std::wstring text = Widen(control_.WindowText());
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control_.Visible() ? WS_VISIBLE : 0);
  DWORD ex_style = 0;
  const wchar_t* window_class = L"STATIC";
  id_ = backend_.NextId();
  switch (kind_) {
    case PeerKind::Form: {
      auto& form = static_cast<Form&>(control_);
      std::wstring cls = Widen(form.ClassName());
      int left = b.left;
      int top = b.top;
      if (form.Position() == FormPosition::ScreenCenter) {
        left = (GetSystemMetrics(SM_CXSCREEN) - b.width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - b.height) / 2;
      }
      DWORD ex = WS_EX_CONTROLPARENT;
      if (form.GetBorderStyle() == BorderStyle::DialogNoButtons) ex |= WS_EX_DLGMODALFRAME;
      hwnd_ = CreateWindowExW(ex, cls.c_str(), text.c_str(), FormStyle(form), left, top, b.width,
                              b.height, parent, nullptr, backend_.Instance(), this);
      if (!hwnd_) throw std::runtime_error("Cannot create the window " + form.ClassName());
      // Without a system menu there is no close box; with one, the frame is as designed.
      RECT outer{};
      GetWindowRect(hwnd_, &outer);
      form.SetBounds({outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top});
      backend_.Register(hwnd_, this);
      RECT client{};
      GetClientRect(hwnd_, &client);
      form.SetClientSize(client.right, client.bottom);
      ApplyFont();
      return;
    }
    case PeerKind::Panel:
      window_class = L"TPanel";
      ex_style = WS_EX_CONTROLPARENT;
      style |= WS_CLIPCHILDREN;
      break;
    case PeerKind::Label:
      style |= LabelStyle(static_cast<Label&>(control_));
      break;
    case PeerKind::Button:
      window_class = L"BUTTON";
      style |= BS_PUSHBUTTON | WS_TABSTOP;
      break;
    case PeerKind::ProgressBar:
      window_class = PROGRESS_CLASSW;
      break;
    case PeerKind::StatusBar:
      window_class = STATUSCLASSNAMEW;
      style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
      break;
    case PeerKind::CheckList:
      window_class = WC_LISTVIEWW;
      style |= LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP;
      ex_style = WS_EX_CLIENTEDGE;
      text.clear();
      break;
    case PeerKind::Image:
      style |= SS_OWNERDRAW;
      text.clear();
      break;
    case PeerKind::RichEdit:
      window_class = RichEditClass();
      style |= ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL | ES_DISABLENOSCROLL | WS_TABSTOP;
      ex_style = WS_EX_CLIENTEDGE;
      break;
    case PeerKind::RadioGroup:
      window_class = L"TPanel";
      ex_style = WS_EX_CONTROLPARENT;
      text.clear();
      break;
    case PeerKind::Bevel:
      style |= SS_ETCHEDHORZ;
      text.clear();
      break;
    default:
      break;
  }
  if (!control_.Enabled()) style |= WS_DISABLED;
  hwnd_ = CreateWindowExW(ex_style, window_class, text.c_str(), style, b.left, b.top, b.width,
                          b.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                          backend_.Instance(), this);
  if (!hwnd_) throw std::runtime_error("Cannot create the control " + control_.Name());
  // Z order is also the keyboard's tab order, so it stays the creation order;
  // only pictures, which take no focus, are lifted above the texts they overlap.
  if (kind_ == PeerKind::Image) {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  backend_.Register(hwnd_, this);
  if (kind_ == PeerKind::ProgressBar) {
    // GWLP_USERDATA is the application's on every window, the controls' too.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    progress_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Peer::ProgressProc)));
  }
  ApplyFont();
  switch (kind_) {
    case PeerKind::StatusBar:
      SendMessageW(hwnd_, SB_SIMPLE, TRUE, 0);
      ApplyText();
      break;
    case PeerKind::ProgressBar:
      ApplyProgress();
      break;
    case PeerKind::CheckList: {
      // A line cut short by the list's width shows whole in a tip under the
      // pointer: two profiles of one release may differ only at the end.
      constexpr DWORD kListStyle = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP;
      SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, kListStyle, kListStyle);
      COLORREF face = backend_.ColorRef(control_.GetColor());
      SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, face);
      SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, face);
      LVCOLUMNW column{};
      column.mask = LVCF_WIDTH;
      column.cx = b.width - GetSystemMetrics(SM_CXVSCROLL) - 4;
      SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
      FillItems();
      break;
    }
    case PeerKind::Image:
      LoadPicture();
      break;
    case PeerKind::Label:
      if (static_cast<Label&>(control_).AutoWidth()) FitWidthToText();
      break;
    case PeerKind::RichEdit:
      SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, backend_.ColorRef(control_.GetColor()));
      break;
    case PeerKind::RadioGroup:
      FillItems();
      break;
    default:
      break;
  }
}

void Peer::FitWidthToText() {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font_);
  int widest = 0;
  std::wstring text = Widen(control_.WindowText());
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    widest = std::max<int>(widest, size.cx);
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  control_.SetSize(widest, control_.Height());
}

void Peer::Changed(Change change) {
  if (!hwnd_) return;
  switch (change) {
    case Change::Text:
      ApplyText();
      break;
    case Change::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOW : SW_HIDE);
      break;
    case Change::Enabled:
      EnableWindow(hwnd_, control_.Enabled());
      break;
    case Change::Bounds: {
      const Bounds& b = control_.GetBounds();
      RECT now{};
      GetWindowRect(hwnd_, &now);
      if (kind_ != PeerKind::Form) MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&now), 2);
      if (now.left == b.left && now.top == b.top && now.right - now.left == b.width &&
          now.bottom - now.top == b.height) {
        break;
      }
      SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Font:
      ApplyFont();
      break;
    case Change::Color:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Change::Items:
      FillItems();
      break;
    case Change::Checks:
      ApplyChecks();
      break;
    case Change::Progress:
      ApplyProgress();
      break;
    case Change::Selection:
      ApplySelection();
      break;
  }
}

void Peer::Repaint() {
  if (!hwnd_) return;
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Every change of text or position has left its area invalid: only those
// areas are drawn.
void Peer::PaintChanges() {
  if (!hwnd_) return;
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Peer::ApplyFont() {
  const Font& f = control_.GetFont();
  HFONT font = CreateFontW(-f.height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, FALSE, FALSE,
                           static_cast<BYTE>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Widen(f.name).c_str());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  for (HWND button : radio_buttons_) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (radio_frame_) SendMessageW(radio_frame_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_) DeleteObject(font_);
  font_ = font;
}

void Peer::ApplyText() {
  std::wstring text = Widen(control_.WindowText());
  if (kind_ == PeerKind::StatusBar) {
    SendMessageW(hwnd_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    return;
  }
  if (kind_ == PeerKind::Label) {
    // A static control draws itself the moment its text is set. The text is
    // the window's at once, for automation and screen readers, and drawn with
    // the window's next paint: a run that changes it for every file draws it
    // at the display's pace, not at its own.
    DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // A transparent label leaves its old text behind unless its parent
    // repaints below it: the parent's area and the label in one request.
    HWND parent = GetParent(hwnd_);
    if (control_.Transparent() && parent) {
      const Bounds& b = control_.GetBounds();
      const RECT area{b.left, b.top, b.left + b.width, b.top + b.height};
      RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    } else {
      InvalidateRect(hwnd_, nullptr, TRUE);
    }
  } else {
    SetWindowTextW(hwnd_, text.c_str());
  }
}

void Peer::FillRadioButtons() {
  auto& group = static_cast<RadioGroup&>(control_);
  for (HWND button : radio_buttons_) DestroyWindow(button);
  radio_buttons_.clear();
  const Bounds& b = control_.GetBounds();
  HWND frame = CreateWindowExW(0, L"BUTTON", Widen(group.Caption()).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                               0, 0, b.width, b.height, hwnd_, nullptr, backend_.Instance(), nullptr);
  SendMessageW(frame, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  radio_frame_ = frame;
  int count = group.Items().Count();
  int row = count > 0 ? (b.height - 16) / count : 0;
  for (int i = 0; i < count; ++i) {
    DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
    HWND button = CreateWindowExW(0, L"BUTTON", Widen(group.Items()[i]).c_str(), style, 8, 14 + i * row,
                                  b.width - 16, std::min(row, 24), hwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(backend_.NextId())),
                                  backend_.Instance(), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    radio_buttons_.push_back(button);
  }
  ApplySelection();
}

int Peer::RadioIndexOf(HWND button) const {
  for (std::size_t i = 0; i < radio_buttons_.size(); ++i) {
    if (radio_buttons_[i] == button) return static_cast<int>(i);
  }
  return -1;
}

void Peer::FillItems() {
  if (kind_ == PeerKind::RadioGroup) {
    FillRadioButtons();
    return;
  }
  if (kind_ != PeerKind::CheckList) return;
  auto& list = static_cast<CheckListBox&>(control_);
  suppress_events = true;
  SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < list.Items().Count(); ++i) {
    std::wstring text = Widen(list.Items()[i]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  suppress_events = false;
  ApplyChecks();
  ApplySelection();
}

void Peer::ApplyChecks() {
  if (kind_ != PeerKind::CheckList) return;
  auto& list = static_cast<CheckListBox&>(control_);
  suppress_events = true;
  for (int i = 0; i < list.Items().Count(); ++i) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(list.Checked(i) ? 2 : 1);
    SendMessageW(hwnd_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
  }
  suppress_events = false;
}

void Peer::ApplySelection() {
  if (kind_ == PeerKind::RadioGroup) {
    auto& group = static_cast<RadioGroup&>(control_);
    for (std::size_t i = 0; i < radio_buttons_.size(); ++i) {
      SendMessageW(radio_buttons_[i], BM_SETCHECK,
                   static_cast<int>(i) == group.ItemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return;
  }
  if (kind_ != PeerKind::CheckList) return;
  auto& list = static_cast<CheckListBox&>(control_);
  suppress_events = true;
  for (int i = 0; i < list.Items().Count(); ++i) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = i == list.ItemIndex() ? (LVIS_SELECTED | LVIS_FOCUSED) : 0;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
  }
  suppress_events = false;
}

// The control holds the new position at once, for automation, and draws it
// with the window's next paint, like the labels beside it: the progress
// control would otherwise draw itself on every change.
void Peer::ApplyProgress() {
  if (kind_ != PeerKind::ProgressBar) return;
  auto& bar = static_cast<ProgressBar&>(control_);
  holding_paint_ = true;
  const std::pair<int, int> range{bar.Min(), bar.Max()};
  if (progress_range_ != range) {
    SendMessageW(hwnd_, PBM_SETRANGE32, range.first, range.second);
    progress_range_ = range;
  }
  SendMessageW(hwnd_, PBM_SETPOS, bar.Position(), 0);
  holding_paint_ = false;
}

// A paint the control asks for while its position is being set is left for
// later: the area stays invalid and is drawn with the window's next paint.
LRESULT CALLBACK Peer::ProgressProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_PAINT && self->holding_paint_) return 0;
  return CallWindowProcW(self->progress_proc_, hwnd, message, wparam, lparam);
}

void Peer::LoadPicture() {
  auto& image = static_cast<Image&>(control_);
  if (image.Picture().empty()) return;
  std::wstring name = Widen(image.Picture());
  picture_ = static_cast<HBITMAP>(
      LoadImageW(backend_.Instance(), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!picture_) return;
  DIBSECTION dib{};
  if (!GetObjectW(picture_, sizeof dib, &dib)) return;
  picture_width_ = dib.dsBm.bmWidth;
  picture_height_ = dib.dsBm.bmHeight;
  if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits) return;
  // The picture's alpha is all or nothing: turn it into a mask, and blacken the
  // transparent pixels so the two can be combined over any background.
  const int w = picture_width_;
  const int h = picture_height_;
  const int stride = ((w + 15) / 16) * 2;
  std::vector<BYTE> bits(stride * h, 0);
  auto* pixels = static_cast<DWORD*>(dib.dsBm.bmBits);
  bool bottom_up = dib.dsBmih.biHeight > 0;
  for (int y = 0; y < h; ++y) {
    int row = bottom_up ? h - 1 - y : y;
    for (int x = 0; x < w; ++x) {
      DWORD& p = pixels[row * w + x];
      if ((p >> 24) == 0) {
        p = 0;
        bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
      }
    }
  }
  mask_ = CreateBitmap(w, h, 1, 1, bits.data());
}

LRESULT Peer::ColorStatic(HDC dc) {
  const Font& f = control_.GetFont();
  SetTextColor(dc, backend_.ColorRef(f.color));
  Color background = control_.GetColor();
  if (control_.Transparent() && control_.Parent()) background = control_.Parent()->GetColor();
  SetBkColor(dc, backend_.ColorRef(background));
  if (control_.Transparent()) SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(backend_.Brush(background));
}

void Peer::Draw(const DRAWITEMSTRUCT& item) {
  if (kind_ != PeerKind::Image) return;
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  Color background = control_.Parent() ? control_.Parent()->GetColor() : control_.GetColor();
  FillRect(dc, &r, backend_.Brush(background));
  if (!picture_) return;
  auto& image = static_cast<Image&>(control_);
  int dest_w = image.Stretch() ? r.right - r.left : picture_width_;
  int dest_h = image.Stretch() ? r.bottom - r.top : picture_height_;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, picture_);
  SetStretchBltMode(dc, COLORONCOLOR);
  if (mask_) {
    HDC mask_dc = CreateCompatibleDC(dc);
    HGDIOBJ old_mask = SelectObject(mask_dc, mask_);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    StretchBlt(dc, r.left, r.top, dest_w, dest_h, mask_dc, 0, 0, picture_width_, picture_height_, SRCAND);
    StretchBlt(dc, r.left, r.top, dest_w, dest_h, memory, 0, 0, picture_width_, picture_height_,
               SRCPAINT);
    SelectObject(mask_dc, old_mask);
    DeleteDC(mask_dc);
  } else {
    StretchBlt(dc, r.left, r.top, dest_w, dest_h, memory, 0, 0, picture_width_, picture_height_,
               SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

void Peer::Notified(const NMHDR& header) {
  if (kind_ != PeerKind::CheckList || suppress_events) return;
  if (header.code != LVN_ITEMCHANGED) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  auto& list = static_cast<CheckListBox&>(control_);
  if (change.iItem < 0 || change.iItem >= list.Items().Count()) return;
  if (change.uChanged & LVIF_STATE) {
    if ((change.uNewState & LVIS_STATEIMAGEMASK) != (change.uOldState & LVIS_STATEIMAGEMASK)) {
      bool checked = ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
      suppress_events = true;
      list.SetChecked(change.iItem, checked);
      suppress_events = false;
      backend_.Dispatch([&list] { list.Click(); });
      return;
    }
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
      suppress_events = true;
      list.SetItemIndex(change.iItem);
      suppress_events = false;
    }
  }
}

void Peer::Commanded(int code) {
  if (kind_ == PeerKind::Button && code == BN_CLICKED) {
    backend_.Dispatch([this] { control_.Click(); });
  }
}

void Peer::RadioPicked(int index) {
  if (kind_ != PeerKind::RadioGroup || index < 0) return;
  auto& group = static_cast<RadioGroup&>(control_);
  backend_.Dispatch([&group, index] { group.Pick(index); });
}

}  // namespace ui::win32
