#include "ui/win32/win32_backend.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/proc_address.h"
#include "platform/win32/wide_text.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/win32/win32_peer.h"

namespace ui::win32 {

using platform::Widen;

namespace {

constexpr wchar_t kPanelClass[] = L"TPanel";
constexpr wchar_t kApplicationTitle[] = L"Instalar";

// comctl32 is not one of the DLLs Windows always takes from the system folder,
// so it is loaded from there by hand once the search path is restricted.
void InitCommonControls() {
  HMODULE comctl = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!comctl) comctl = LoadLibraryExW(L"comctl32.dll", nullptr, 0);
  if (!comctl) throw std::runtime_error("Cannot load the common controls");
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto init = platform::ProcAddress<InitFn>(comctl, "InitCommonControlsEx");
  if (!init) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                           ICC_LISTVIEW_CLASSES};
  init(&icc);
}

HWND RootOf(HWND hwnd) { return hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr; }

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  InitCommonControls();
  RegisterClasses();
}

Win32Backend::~Win32Backend() {
  for (auto& [color, brush] : brushes_) {
    if (!(color & kSystemColorFlag)) DeleteObject(brush);
  }
}

void Win32Backend::RegisterClasses() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ContainerProc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
}

HBRUSH Win32Backend::Brush(Color color) {
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  HBRUSH brush = (color & kSystemColorFlag) ? GetSysColorBrush(color & 0xFF)
                                             : CreateSolidBrush(ColorRef(color));
  brushes_[color] = brush;
  return brush;
}

COLORREF Win32Backend::ColorRef(Color color) const {
  if (color & kSystemColorFlag) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

HWND Win32Backend::WindowOf(const Control& control) const {
  auto* peer = static_cast<Peer*>(control.Peer());
  return peer ? peer->Window() : nullptr;
}

Peer* Win32Backend::Find(HWND hwnd) const {
  auto found = peers_.find(hwnd);
  return found == peers_.end() ? nullptr : found->second;
}

void Win32Backend::Dispatch(const std::function<void()>& handler) { application_->Dispatch(handler); }

void Win32Backend::Realize(Form& form) {
  std::wstring cls = Widen(form.ClassName());
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance_, cls.c_str(), &wc)) {
    wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ContainerProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance_, L"MAINICON");
    wc.lpszClassName = cls.c_str();
    if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register the window class " + form.ClassName());
  }
  HWND owner = nullptr;
  if (Form* main = application_->MainForm(); main && main != &form) owner = WindowOf(*main);
  CreatePeers(form, owner);
}

void Win32Backend::CreatePeers(Control& control, HWND parent) {
  auto peer = std::make_unique<Peer>(*this, control, KindOf(control));
  Peer* raw = peer.get();
  control.AttachPeer(std::move(peer));
  raw->Create(parent);
  for (Control* child : control.Children()) CreatePeers(*child, raw->Window());
}

void Win32Backend::FocusFirst(HWND root) {
  HWND first = GetNextDlgTabItem(root, nullptr, FALSE);
  if (first) SetFocus(first);
}

int Win32Backend::Run(Form& main_form) {
  HWND main = WindowOf(main_form);
  main_form.Show();
  ShowWindow(main, SW_SHOWNORMAL);
  UpdateWindow(main);
  FocusFirst(main);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND root = RootOf(msg.hwnd);
    if (root && Find(root) && IsDialogMessageW(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return quitting_ ? exit_code_ : static_cast<int>(msg.wParam);
}

void Win32Backend::Terminate(int exit_code) {
  quitting_ = true;
  exit_code_ = exit_code;
  PostQuitMessage(exit_code);
}

void Win32Backend::PumpUntil(const bool& done) {
  MSG msg;
  while (!done) {
    int got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // Leave the quit for the outer loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    HWND root = RootOf(msg.hwnd);
    if (root && Find(root) && IsDialogMessageW(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Backend::ShowModal(Form& form) {
  HWND window = WindowOf(form);
  if (!window) throw std::runtime_error("The form " + form.ClassName() + " has no window");
  HWND previous = GetActiveWindow();
  std::vector<HWND> disabled;
  for (Form* other : application_->Forms()) {
    HWND w = WindowOf(*other);
    if (other == &form || !w || !IsWindowEnabled(w)) continue;
    EnableWindow(w, FALSE);
    disabled.push_back(w);
  }
  bool& done = modal_done_[&form];
  done = false;
  form.Show();
  SetForegroundWindow(window);
  FocusFirst(window);
  PumpUntil(done);
  for (HWND w : disabled) EnableWindow(w, TRUE);
  form.Hide();
  modal_done_.erase(&form);
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
}

void Win32Backend::EndModal(Form& form) {
  auto found = modal_done_.find(&form);
  if (found != modal_done_.end()) found->second = true;
}

void Win32Backend::ShowMessage(const MessageBoxRequest& request) {
  UINT flags = MB_OK;
  if (request.icon == MessageIcon::Information) flags |= MB_ICONINFORMATION;
  if (request.icon == MessageIcon::Error) flags |= MB_ICONERROR;
  HWND owner = request.owner ? WindowOf(*request.owner) : nullptr;
  // A box that belongs to no window must still keep the user out of the
  // program's windows while it is open.
  if (!owner) flags |= MB_TASKMODAL;
  MessageBoxW(owner, Widen(request.text).c_str(), Widen(request.caption).c_str(), flags);
}

bool Win32Backend::Ask(const MessageBoxRequest& request) {
  HWND owner = request.owner ? WindowOf(*request.owner) : nullptr;
  UINT flags = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
  if (!owner) flags |= MB_TASKMODAL;
  return MessageBoxW(owner, Widen(request.text).c_str(), Widen(request.caption).c_str(), flags) == IDYES;
}

void Win32Backend::ShowError(const std::string& text) {
  MessageBoxW(GetActiveWindow(), Widen(text).c_str(), kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Win32Backend::KeepResponsive() {
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  auto* self = reinterpret_cast<Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  Win32Backend& backend = self->Backend();
  Control& model = self->Model();
  switch (message) {
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lparam);
      if (Peer* child = backend.Find(from)) {
        child->Commanded(HIWORD(wparam));
      } else if (self->Kind() == PeerKind::RadioGroup && HIWORD(wparam) == BN_CLICKED) {
        self->RadioPicked(self->RadioIndexOf(from));
      }
      // A control hidden by its own click leaves the keyboard focus nowhere.
      HWND focus = GetFocus();
      if (!focus || !IsWindowVisible(focus)) {
        HWND root = RootOf(hwnd);
        HWND next = GetNextDlgTabItem(root, nullptr, FALSE);
        if (next) SetFocus(next);
      }
      return 0;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (Peer* child = backend.Find(header->hwndFrom)) child->Notified(*header);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      if (Peer* child = backend.Find(reinterpret_cast<HWND>(lparam))) {
        return child->ColorStatic(reinterpret_cast<HDC>(wparam));
      }
      break;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
      if (Peer* child = backend.Find(item->hwndItem)) child->Draw(*item);
      return TRUE;
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wparam), &r, backend.Brush(model.GetColor()));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (self->Kind() == PeerKind::Panel) {
        auto* panel = dynamic_cast<Panel*>(&model);
        if (panel && panel->Framed()) {
          RECT r;
          GetClientRect(hwnd, &r);
          DrawEdge(dc, &r, BDR_RAISEDINNER | BDR_RAISEDOUTER, BF_RECT);
        }
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SIZE:
      if (self->Kind() == PeerKind::Form && wparam != SIZE_MINIMIZED) {
        auto& form = static_cast<Form&>(model);
        int w = LOWORD(lparam);
        int h = HIWORD(lparam);
        RECT r;
        GetWindowRect(hwnd, &r);
        backend.Dispatch([&form, r, w, h] {
          form.SetBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
          form.SetClientSize(w, h);
        });
      }
      return 0;
    case WM_MOVE:
      if (self->Kind() == PeerKind::Form) {
        RECT r;
        GetWindowRect(hwnd, &r);
        self->suppress_events = true;
        model.SetBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
        self->suppress_events = false;
      }
      return 0;
    case WM_CLOSE:
      if (self->Kind() == PeerKind::Form) {
        auto& form = static_cast<Form&>(model);
        backend.Dispatch([&form] { form.Close(); });
        return 0;
      }
      break;
    case DM_GETDEFID: {
      // Enter presses the focused push button, as in a dialog.
      HWND focus = GetFocus();
      if (Peer* child = backend.Find(focus); child && child->Kind() == PeerKind::Button) {
        return MAKELRESULT(child->Id(), DC_HASDEFID);
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace ui::win32
