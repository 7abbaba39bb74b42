#pragma once
// What the installation needs of the program around it. The engine knows no
// window: the main window, a quiet run and the tests each give it a context.
#include <functional>
#include <string>

#include "install/install_folders.h"
#include "platform/platform.h"

namespace install {

// What the run shows as it goes. Each call stands for something the user may
// watch; none of them may change the machine.
class InstallationProgress {
 public:
  virtual ~InstallationProgress() = default;
  // The status line.
  virtual void ShowStatus(const std::string& text) = 0;
  // The caption over the two file lines, once the folders are being made.
  virtual void ShowCopyCaption() = 0;
  // The " De: " / " Para: " pair of the file being copied.
  virtual void ShowFiles(const std::string& from_line, const std::string& to_line) = 0;
  virtual void SetBarRange(int minimum, int maximum) = 0;
  virtual void SetBarPosition(int position) = 0;
  // Between files: the run takes no input, yet must not look hung.
  virtual void KeepAlive() = 0;
  // A copy step has gone through its whole listing: what it showed last
  // must now be on the screen.
  virtual void EndOfStep() = 0;
};

// A box the run shows; it waits until the user closes it.
struct InstallationMessage {
  std::string text;
  std::string caption;
  // A registration error is owned by the main window; the others have no owner.
  bool owned_by_main_window = false;
};

struct InstallationContext {
  platform::Platform& windows;
  std::string source_folder;  // the medium's root, ending in "\"
  std::string system_folder;  // without a trailing "\"
  Language language = Language::Portuguese;
  std::function<std::string(const std::string&)> translate;  // the dictionary's lookup
  std::function<void(const InstallationMessage&)> show_message;
  InstallationProgress& progress;
  // Set as soon as a file replaced in the system folder may be in use until
  // Windows restarts, so that a run ended by an error still says so.
  bool& restart_needed;

  std::string Lookup(const std::string& text) const { return translate ? translate(text) : text; }
};

}  // namespace install
