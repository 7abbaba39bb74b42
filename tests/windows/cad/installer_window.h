#pragma once
// The real Instalar.exe as a user meets it on the way to the CAD panel: the
// language, the actions, the panel's buttons and the boxes it shows. Every
// wait has a time limit; a step that times out returns null or false.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "testing/windows_support/driver.h"

namespace cad_window {

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";
constexpr int kRunTimeoutMs = 120000;

// The visible top-level window of the class whose text is given (any when empty).
inline HWND VisibleTop(DWORD process, const std::string& window_class, const std::string& title = "") {
  for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(top, &owner);
    if (owner != process || !IsWindowVisible(top) || wintest::ClassOf(top) != window_class) continue;
    if (title.empty() || wintest::TextOf(top) == title) return top;
  }
  return nullptr;
}

// A message box as the user sees it: its title and its text.
struct Box {
  HWND window = nullptr;
  std::string caption;
  std::string text;
};

class InstallerWindow {
 public:
  explicit InstallerWindow(wintest::Process& installer) : installer_(installer) {}

  // The main window, in Portuguese, showing its actions.
  bool ChoosePortugues() {
    window_ = wintest::WaitForWindow(installer_.Id(), kTitle);
    if (!window_) return false;
    HWND portugues = wintest::WaitForControl(window_, "Português", "Button");
    if (!portugues) return false;
    wintest::Press(portugues);
    return ActionsShown();
  }
  HWND Window() const { return window_; }

  HWND Visible(const std::string& text) {
    HWND control = wintest::FindControl(window_, text, "Button");
    return control && IsWindowVisible(control) ? control : nullptr;
  }
  // Presses the visible button with that text; false when there is none in time.
  bool Press(const std::string& text) {
    HWND button = nullptr;
    if (!wintest::WaitUntil([&] { return (button = Visible(text)) != nullptr; })) return false;
    wintest::Press(button);
    return true;
  }
  bool ActionsShown(int timeout_ms = wintest::kWindowTimeoutMs) {
    return wintest::WaitUntil([&] { return Visible("Configurar CAD") && Visible("Sair"); }, timeout_ms);
  }

  // The CAD list while it is shown, else null.
  HWND List() {
    for (HWND child : wintest::Descendants(window_)) {
      if (wintest::ClassOf(child) == "SysListView32" && IsWindowVisible(child)) return child;
    }
    return nullptr;
  }
  // Opens the panel and waits for the list to hold that many lines.
  bool OpenPanel(int lines, int timeout_ms = wintest::kWindowTimeoutMs) {
    if (!Press("Configurar CAD")) return false;
    return wintest::WaitUntil(
        [&] {
          HWND list = List();
          return list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == lines;
        },
        timeout_ms);
  }

  // The next box the program shows; an empty Box when none comes in time.
  Box WaitForBox(int timeout_ms = kRunTimeoutMs) {
    Box box;
    if (!wintest::WaitUntil([&] { return (box.window = VisibleTop(installer_.Id(), "#32770")) != nullptr; },
                            timeout_ms)) {
      return box;
    }
    box.caption = wintest::TextOf(box.window);
    for (HWND child : wintest::Descendants(box.window)) {
      if (wintest::ClassOf(child) == "Static" && !wintest::TextOf(child).empty()) box.text = wintest::TextOf(child);
    }
    return box;
  }
  // Answers the box with OK and waits until it has gone.
  bool Close(const Box& box) {
    HWND ok = wintest::FindControl(box.window, "OK", "Button");
    if (!ok) return false;
    wintest::Press(ok);
    return wintest::WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
  }
  // Every box up to and including the closing one, answered, their texts in order.
  std::vector<Box> BoxesUntil(const std::string& caption) {
    std::vector<Box> boxes;
    for (;;) {
      Box box = WaitForBox();
      if (!box.window || !Close(box)) return boxes;
      boxes.push_back(box);
      if (box.caption == caption) return boxes;
    }
  }

  // "Sair" with no restart to offer; the exit code, or -1 when it did not end in time.
  long Leave() {
    if (!Press("Sair")) return -1;
    DWORD code = 0;
    if (!installer_.WaitForExit(wintest::kWindowTimeoutMs, &code)) return -1;
    return static_cast<long>(code);
  }

 private:
  wintest::Process& installer_;
  HWND window_ = nullptr;
};

}  // namespace cad_window
