#include "shell/run_log.h"

#include <utility>

#include "platform/administrators_only.h"
#include "shell/exit_codes.h"
#include "text/fill_in.h"

namespace shell {

namespace {

// Every line break as Windows' own, so that Notepad shows the lines.
std::string WindowsLines(const std::string& text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines += "\r\n    ";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      lines += c;
    }
  }
  return lines;
}

}  // namespace

RunLog::RunLog(platform::Platform& windows, std::optional<std::string> path)
    : windows_(windows), path_(std::move(path)) {
  // A log asked for in a folder that is not there yet gets it, as other
  // installers' logs do.
  const std::size_t folder_end = path_ ? path_->find_last_of('\\') : std::string::npos;
  if (folder_end != std::string::npos && folder_end > 0) windows_.files.CreateFolders(path_->substr(0, folder_end));
}

// A line that cannot be written is lost: there is nobody to tell.
void RunLog::Write(const std::string& text) {
  const std::string line = windows_.system.LocalTime() + "  " + WindowsLines(text) + "\r\n";
  if (path_) {
    windows_.files.AppendFile(*path_, line);
  } else {
    lines_ += line;
  }
}

void RunLog::KeepIfFailed(int exit_code) {
  if (path_ || exit_code == kExitSuccess || exit_code == kExitRestartNeeded) return;
  windows_.files.AppendFile(FailedRunFolder() + "\\" + kFailedRunLog, lines_);
}

// A user's own temporary folder is his alone, an administrator's too. The
// system account's is one every user may add to on a Windows that keeps
// none for it alone: a name there could be made first, so the log goes into
// a folder the run makes its own. The append itself refuses a link or
// a file a user made in its place.
std::string RunLog::FailedRunFolder() {
  const std::string temporary = windows_.system.TempFolder();
  auto& files = windows_.files;
  if (windows_.system.RunningAccount() != platform::Account::SystemAccount ||
      platform::OnlyAdministratorsMayChange(files, temporary)) {
    return temporary;
  }
  const std::string own = temporary + "\\Geolume";
  files.CreateFolders(own);
  files.SetAccess(own, platform::kProtectedFolderAccess);
  return own;
}

void RunLog::Failure(const std::string& caption, const std::string& text) {
  failed_ = true;
  Note(caption, text);
}

void RunLog::Note(const std::string& caption, const std::string& text) {
  Write(caption.empty() ? text : caption + ": " + text);
}

int RunLog::Exit(const std::string& format, int code) {
  Write(text::FillIn(format, {std::to_string(code)}));
  return code;
}

void LoggedProgress::ShowStatus(const std::string& text) {
  log_.Write(text);
  if (shown_) shown_->ShowStatus(text);
}

void LoggedProgress::ShowCopyCaption() {
  if (shown_) shown_->ShowCopyCaption();
}

void LoggedProgress::ShowFiles(const std::string& from_line, const std::string& to_line) {
  log_.Write(from_line + " " + to_line);
  if (shown_) shown_->ShowFiles(from_line, to_line);
}

void LoggedProgress::SetBarRange(int minimum, int maximum) {
  if (shown_) shown_->SetBarRange(minimum, maximum);
}

void LoggedProgress::SetBarPosition(int position) {
  if (shown_) shown_->SetBarPosition(position);
}

void LoggedProgress::KeepAlive() {
  if (shown_) shown_->KeepAlive();
}

void LoggedProgress::EndOfStep() {
  if (shown_) shown_->EndOfStep();
}

}  // namespace shell
