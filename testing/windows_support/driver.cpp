#include "testing/windows_support/driver.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/win32/wide_text.h"

namespace wintest {

using platform::Narrow;
using platform::Widen;

namespace {

std::string UnixToWindows(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace

std::string BuildFolder() { return UnixToWindows(GEOLUME_BUILD_DIR); }
std::string SourceFolder() { return UnixToWindows(GEOLUME_SOURCE_DIR); }
std::string InstallerPath() { return BuildFolder() + "\\Instalar.exe"; }

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
  ULONGLONG end = GetTickCount64() + timeout_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() > end) return false;
    // Let the waited-for process run; this is a poll, not a fixed wait.
    Sleep(20);
  }
}

bool CopyInto(const std::string& file, const std::string& folder) {
  std::string name = file.substr(file.find_last_of('\\') + 1);
  return CopyFileW(Widen(file).c_str(), Widen(folder + "\\" + name).c_str(), FALSE) != 0;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolders(const std::string& path) {
  for (std::size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\') CreateDirectoryW(Widen(path.substr(0, i)).c_str(), nullptr);
  }
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(Widen(path).c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

Process Process::Start(const std::string& program, const std::string& arguments) {
  std::wstring command = L"\"" + Widen(program) + L"\"";
  if (!arguments.empty()) command += L" " + Widen(arguments);
  std::string folder = program.substr(0, program.find_last_of('\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Widen(folder).c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + program + ": error " + std::to_string(GetLastError()));
  }
  CloseHandle(info.hThread);
  Process process;
  process.handle_ = info.hProcess;
  process.id_ = info.dwProcessId;
  return process;
}

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
  other.handle_ = nullptr;
}

Process::~Process() {
  if (!handle_) return;
  Kill();
  CloseHandle(handle_);
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(int timeout_ms, DWORD* exit_code) {
  if (WaitForSingleObject(handle_, timeout_ms) != WAIT_OBJECT_0) return false;
  if (exit_code) GetExitCodeProcess(handle_, exit_code);
  return true;
}

void Process::Kill() {
  if (Running()) {
    TerminateProcess(handle_, 99);
    WaitForSingleObject(handle_, 5000);
  }
}

std::string SystemFolder() {
  wchar_t buffer[MAX_PATH] = {};
  GetSystemDirectoryW(buffer, MAX_PATH);
  return Narrow(buffer);
}

std::string MakeMedium(const std::string& folder) {
  if (!MakeFolders(folder)) throw std::runtime_error("cannot make " + folder);
  if (!CopyInto(InstallerPath(), folder)) throw std::runtime_error("cannot copy the installer");
  return folder + "\\Instalar.exe";
}

namespace {

struct TopWindowSearch {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleTopWindow(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<TopWindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopWindows(DWORD process_id) {
  TopWindowSearch search{process_id, {}};
  EnumWindows(CollectVisibleTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopWindow(DWORD process_id, const std::string& title) {
  const std::wstring wanted = Widen(title);
  for (HWND window : VisibleTopWindows(process_id)) {
    // The title as the window manager keeps it: no message to a process that
    // may be busy installing.
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    if (wanted == text) return window;
  }
  return nullptr;
}

HWND WaitForWindow(DWORD process_id, const std::string& title, int timeout_ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(process_id, title)) != nullptr; }, timeout_ms);
  return found;
}

std::string TextOf(HWND window) {
  // Asked of the window itself: controls of another process keep their text there.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      5000, &copied);
  text.resize(copied);
  return Narrow(text);
}

std::string ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Narrow(name);
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND FindControl(HWND parent, const std::string& text, const std::string& window_class) {
  for (HWND child : Descendants(parent)) {
    if (!window_class.empty() && _wcsicmp(Widen(ClassOf(child)).c_str(), Widen(window_class).c_str()) != 0) {
      continue;
    }
    if (TextOf(child) == text) return child;
  }
  return nullptr;
}

HWND WaitForControl(HWND parent, const std::string& text, const std::string& window_class,
                    int timeout_ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindControl(parent, text, window_class)) != nullptr; }, timeout_ms);
  return found;
}

void Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (!GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

void CloseBox(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

namespace {

// Memory inside the process that owns a window, for messages whose arguments
// point at structures: such pointers mean nothing in another process.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!address_) throw std::runtime_error("cannot reach the window's process");
  }
  ~RemoteMemory() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  char* Address() const { return static_cast<char*>(address_); }
  void Write(const void* data, std::size_t size, std::size_t offset = 0) {
    WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
  }
  void Read(void* data, std::size_t size, std::size_t offset = 0) {
    ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_;
};

}  // namespace

std::vector<CheckListLine> CheckListLines(HWND list) {
  std::vector<CheckListLine> lines;
  int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  constexpr int kChars = 512;
  RemoteMemory remote(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
  for (int i = 0; i < count; ++i) {
    LVITEMW item{};
    item.iSubItem = 0;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(LVITEMW));
    remote.Write(&item, sizeof item);
    int length = static_cast<int>(
        SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(remote.Address())));
    std::wstring text(length, L'\0');
    remote.Read(text.data(), length * sizeof(wchar_t), sizeof(LVITEMW));
    UINT state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK));
    lines.push_back({Narrow(text), (state >> 12) == 2});
  }
  return lines;
}

bool SetCheckListTick(HWND list, int index, bool checked) {
  RemoteMemory remote(list, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  remote.Write(&item, sizeof item);
  return SendMessageW(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(remote.Address())) != 0;
}

bool SaveScreenshot(HWND window, const std::string& name) {
  // Have the window draw everything, and wait until its thread has done so.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
  RECT r{};
  if (!GetWindowRect(window, &r)) return false;
  int w = r.right - r.left;
  int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = w;
  header.biHeight = h;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  int stride = (w * 3 + 3) / 4 * 4;
  std::string pixels(stride * h, '\0');
  GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  std::string folder = BuildFolder() + "\\screenshots";
  MakeFolders(folder);
  std::ofstream out(Widen(folder + "\\" + name + ".bmp").c_str(), std::ios::binary);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

HeldOpenFile::HeldOpenFile(const std::string& path, DWORD sharing)
    : handle_(CreateFileW(platform::Widen(path).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0,
                          nullptr)) {}

void HeldOpenFile::Release() {
  if (Held()) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace wintest
