#include "cad/own_startup_files.h"

#include "cad/cad_error.h"
#include "platform/administrators_only.h"
#include "text/case_folding.h"

namespace cad {

namespace {

std::string WithoutBreaksAndSpaces(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != '\r' && c != '\n' && c != ' ') kept += c;
  }
  return kept;
}

bool HoldsExactly(platform::FileSystem& files, const char* path, const char* text) {
  return files.FileExists(path) && files.ReadFile(path) == std::string(text);
}

// Every user's CAD host loads these files: they are left as they are only
// when they hold the right bytes and only administrators may change them;
// anything else is replaced by a protected file, never adopted.
void WriteStartupFile(platform::FileSystem& files, const char* path, const char* text,
                      const std::function<void(const std::string&)>& not_protected) {
  const bool right = HoldsExactly(files, path, text);
  if (right && platform::OnlyAdministratorsMayChange(files, path)) return;
  const auto put = platform::WriteProtectedFile(files, path, text);
  if (put.Placed()) {
    if (put.unprotected != 0 && not_protected) not_protected(path);
    return;
  }
  // A run that may not replace it leaves a right one as it is.
  if (right) return;
  throw CadError("Cannot write the startup file " + std::string(path) + " (error " + std::to_string(put.error) + ")");
}

}  // namespace

bool IsOwnStartupFile(platform::FileSystem& files, const std::string& path) {
  if (!files.FileExists(path)) return false;
  const auto content = files.ReadFile(path);
  if (!content) {
    throw CadError("Cannot read the startup file " + path + " (error " +
                   std::to_string(files.LastError()) + ")");
  }
  return text::UpperAscii(WithoutBreaksAndSpaces(*content)) == WithoutBreaksAndSpaces(kAcadStartupText);
}

void WriteStartupFiles(platform::FileSystem& files, const std::function<void(const std::string&)>& not_protected) {
  WriteStartupFile(files, kAcadStartupFile, kAcadStartupText, not_protected);
  WriteStartupFile(files, kOnStartStartupFile, kOnStartStartupText, not_protected);
}

void CheckStartupFiles(platform::FileSystem& files, const std::function<void(const std::string&)>& wrong) {
  if (!HoldsExactly(files, kAcadStartupFile, kAcadStartupText)) wrong(kAcadStartupFile);
  if (!HoldsExactly(files, kOnStartStartupFile, kOnStartStartupText)) wrong(kOnStartStartupFile);
}

}  // namespace cad
