#include "bench/platform_floor.h"

#include <windows.h>
#include <commctrl.h>

#include "bench/bench_clock.h"

namespace bench {

std::vector<std::wstring> FilesOf(const std::wstring& folder) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + L"\\" + found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

namespace {

// A window with the file's two lines and the progress bar, as the installer shows them.
struct ProgressWindow {
  HWND window = nullptr;
  HWND from = nullptr;
  HWND to = nullptr;
  HWND bar = nullptr;

  explicit ProgressWindow(std::size_t files) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    window = CreateWindowExW(0, L"STATIC", L"floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 200, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    from = Child(L"STATIC", 8);
    to = Child(L"STATIC", 30);
    bar = Child(PROGRESS_CLASSW, 60);
    UpdateWindow(window);
    SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(files));
  }
  ~ProgressWindow() { DestroyWindow(window); }

  HWND Child(const wchar_t* window_class, int top) {
    return CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 8, top, 600, 18, window,
                           nullptr, nullptr, nullptr);
  }
  void Show(const std::wstring& file, int position) {
    SetWindowTextW(from, (L" De: " + file).c_str());
    SetWindowTextW(to, (L" Para: " + file).c_str());
    SendMessageW(bar, PBM_SETPOS, position, 0);
  }
};

void KeepResponsive() {
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

}  // namespace

double PaintSeconds(const std::vector<std::wstring>& files) {
  ProgressWindow shown(files.size());
  double start = bench::NowSeconds();
  int position = 0;
  for (const std::wstring& file : files) {
    shown.Show(file, ++position);
    RedrawWindow(shown.from, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RedrawWindow(shown.to, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    UpdateWindow(shown.bar);
    KeepResponsive();
  }
  return bench::NowSeconds() - start;
}

double OnePassPaintSeconds(const std::vector<std::wstring>& files) {
  ProgressWindow shown(files.size());
  double start = bench::NowSeconds();
  int position = 0;
  for (const std::wstring& file : files) {
    shown.Show(file, ++position);
    RedrawWindow(shown.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    KeepResponsive();
  }
  return bench::NowSeconds() - start;
}

namespace {

bool StampOf(const std::wstring& path, FILETIME* written, DWORD* size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = GetFileTime(file, nullptr, nullptr, written);
  *size = GetFileSize(file, nullptr);
  CloseHandle(file);
  return ok;
}

}  // namespace

double CheckSeconds(const std::vector<std::wstring>& files) {
  double start = bench::NowSeconds();
  for (const std::wstring& file : files) {
    // The target's attributes; anything but "normal" is made normal (Wine
    // reports the archive bit on every file, so under Wine every file is).
    if (GetFileAttributesW(file.c_str()) != FILE_ATTRIBUTE_NORMAL) {
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    // Source and target stamps, each through an open that shares with nobody.
    FILETIME a{}, b{};
    DWORD size_a = 0, size_b = 0;
    StampOf(file, &a, &size_a);
    StampOf(file, &b, &size_b);
  }
  return bench::NowSeconds() - start;
}

namespace {

bool holding_paint = false;
WNDPROC progress_proc = nullptr;

// The bar keeps its position without drawing it, as the installer's does.
LRESULT CALLBACK HeldProgressProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT && holding_paint) return 0;
  return CallWindowProcW(progress_proc, hwnd, message, wparam, lparam);
}

}  // namespace

double PacedProgressSeconds(const std::vector<std::wstring>& files) {
  ProgressWindow shown(files.size());
  progress_proc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(shown.bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HeldProgressProc)));
  double start = bench::NowSeconds();
  double last_paint = start;
  int position = 0;
  for (const std::wstring& file : files) {
    const std::wstring from = L" De: " + file;
    const std::wstring to = L" Para: " + file;
    DefWindowProcW(shown.from, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(from.c_str()));
    InvalidateRect(shown.from, nullptr, TRUE);
    DefWindowProcW(shown.to, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to.c_str()));
    InvalidateRect(shown.to, nullptr, TRUE);
    holding_paint = true;
    SendMessageW(shown.bar, PBM_SETPOS, ++position, 0);
    holding_paint = false;
    const double now = bench::NowSeconds();
    if (now - last_paint >= 0.016) {
      RedrawWindow(shown.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      KeepResponsive();
      last_paint = now;
    }
  }
  RedrawWindow(shown.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double seconds = bench::NowSeconds() - start;
  SetWindowLongPtrW(shown.bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(progress_proc));
  return seconds;
}

}  // namespace bench
