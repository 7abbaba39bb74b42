#include "cad/own_startup_files.h"

#include "cad/cad_error.h"
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

// A file that holds the right bytes already is left as it is.
void WriteStartupFile(platform::FileSystem& files, const char* path, const char* text,
                      const std::function<void(const std::string&)>& not_protected) {
  if (HoldsExactly(files, path, text)) return;
  if (!files.WriteFile(path, text)) {
    throw CadError("Cannot write the startup file " + std::string(path) + " (error " +
                   std::to_string(files.LastError()) + ")");
  }
  if (!files.SetAccess(path, platform::kProtectedFileAccess) && not_protected) not_protected(path);
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
