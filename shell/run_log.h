#pragma once
// The log of a run with nobody at the screen: every step, and every text a
// box would have shown, each line after the local time, in UTF-8. Without a
// file the lines go nowhere, yet the failures still decide the exit code.
#include <optional>
#include <string>

#include "install/installation_context.h"
#include "platform/platform.h"

namespace shell {

// In the user's temporary folder.
constexpr char kFailedRunLog[] = "Geolume-Instalar.log";

class RunLog {
 public:
  RunLog(platform::Platform& windows, std::optional<std::string> path);

  void Write(const std::string& text);
  // What a box would have said, with its caption; the run counts as failed.
  void Failure(const std::string& caption, const std::string& text);
  // What a box would have said that is no failure.
  void Note(const std::string& caption, const std::string& text);
  bool Failed() const { return failed_; }
  // The last line: the exit code in the given format; returns the code.
  int Exit(const std::string& format, int code);
  // A run without a log file that failed leaves its lines in the user's
  // temporary folder: a configuration at logon has nobody else to tell.
  void KeepIfFailed(int exit_code);

 private:
  std::string FailedRunFolder();

  platform::Platform& windows_;
  std::optional<std::string> path_;
  std::string lines_;  // everything written, for KeepIfFailed
  bool failed_ = false;
};

// The installation's progress as log lines; the window's own progress, when
// there is one shown (a passive run), still sees every call.
class LoggedProgress : public install::InstallationProgress {
 public:
  LoggedProgress(RunLog& log, install::InstallationProgress* shown) : log_(log), shown_(shown) {}

  void ShowStatus(const std::string& text) override;
  void ShowCopyCaption() override;
  void ShowFiles(const std::string& from_line, const std::string& to_line) override;
  void SetBarRange(int minimum, int maximum) override;
  void SetBarPosition(int position) override;
  void KeepAlive() override;
  void EndOfStep() override;

 private:
  RunLog& log_;
  install::InstallationProgress* shown_;
};

}  // namespace shell
