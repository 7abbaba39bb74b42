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

void WriteStartupFile(platform::FileSystem& files, const char* path, const char* text) {
  if (!files.WriteFile(path, text)) {
    throw CadError("Cannot write the startup file " + std::string(path) + " (error " +
                   std::to_string(files.LastError()) + ")");
  }
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

void WriteStartupFiles(platform::FileSystem& files) {
  WriteStartupFile(files, kAcadStartupFile, kAcadStartupText);
  WriteStartupFile(files, kOnStartStartupFile, kOnStartStartupText);
}

}  // namespace cad
