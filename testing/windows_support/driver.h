#pragma once
// Drives the real installer from a Windows test: starts it from a medium
// folder, finds its windows and controls, presses buttons, waits for changes.
// Every wait has a time limit.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

constexpr int kWindowTimeoutMs = 30000;

// The build folder and the source folder as Windows paths (Wine's Z: drive).
std::string BuildFolder();
std::string SourceFolder();
std::string InstallerPath();

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = kWindowTimeoutMs);

// The system folder as this program's bitness sees it, as the installer's
// own does when both are built alike.
std::string SystemFolder();

// Folder helpers on the real file system.
bool CopyInto(const std::string& file, const std::string& folder);
bool FileExists(const std::string& path);
bool MakeFolders(const std::string& path);
std::string ReadWholeFile(const std::string& path);

// A program started by a test; it is ended when the object goes, so nothing
// is left running.
class Process {
 public:
  static Process Start(const std::string& program, const std::string& arguments = "");
  Process(Process&& other) noexcept;
  Process& operator=(Process&&) = delete;
  ~Process();

  DWORD Id() const { return id_; }
  bool Running() const;
  // False when it has not ended within the time.
  bool WaitForExit(int timeout_ms, DWORD* exit_code);
  void Kill();

 private:
  Process() = default;
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// A file held open as another program would hold it, until the object goes.
class HeldOpenFile {
 public:
  explicit HeldOpenFile(const std::string& path, DWORD sharing = 0);
  HeldOpenFile(const HeldOpenFile&) = delete;
  HeldOpenFile& operator=(const HeldOpenFile&) = delete;
  ~HeldOpenFile() { Release(); }
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Release();

 private:
  HANDLE handle_;
};

// A medium: a fresh folder holding a copy of the installer.
std::string MakeMedium(const std::string& folder);

// The visible top-level windows of the process, in Z order.
std::vector<HWND> VisibleTopWindows(DWORD process_id);
// The visible top-level window of the process with that exact title.
HWND WaitForWindow(DWORD process_id, const std::string& title, int timeout_ms = kWindowTimeoutMs);
HWND FindTopWindow(DWORD process_id, const std::string& title);

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// Every descendant window, in Z order, depth first.
std::vector<HWND> Descendants(HWND parent);
// The first descendant whose class (when given) and text match exactly.
HWND FindControl(HWND parent, const std::string& text, const std::string& window_class = "");
HWND WaitForControl(HWND parent, const std::string& text, const std::string& window_class = "",
                    int timeout_ms = kWindowTimeoutMs);

// Presses a button as a click would, without waiting for its handler.
void Press(HWND button);
// The window that has the keyboard focus in the thread owning the window.
HWND FocusOf(HWND window);
// Clicking a window's close box.
void CloseBox(HWND window);

// The lines of a check list (a list view with tick boxes) of another process,
// with their ticks; and ticking or unticking one as a click on its box would.
struct CheckListLine {
  std::string text;
  bool checked = false;
};
std::vector<CheckListLine> CheckListLines(HWND list);
bool SetCheckListTick(HWND list, int index, bool checked);

// Saves what the screen shows of the window, as a BMP under build/screenshots.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace wintest
