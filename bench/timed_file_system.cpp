#include "bench/timed_file_system.h"

#include "bench/bench_clock.h"

namespace bench {

template <typename Call>
auto TimedFileSystem::Timed(const char* name, Call call) -> decltype(call()) {
  double start = NowSeconds();
  auto result = call();
  CallTime& time = times_[name];
  time.seconds += NowSeconds() - start;
  ++time.calls;
  return result;
}

bool TimedFileSystem::FileExists(const std::string& path) {
  return Timed("FileExists", [&] { return files_.FileExists(path); });
}

bool TimedFileSystem::FolderExists(const std::string& path) {
  return Timed("FolderExists", [&] { return files_.FolderExists(path); });
}

std::optional<std::vector<platform::DirectoryEntry>> TimedFileSystem::ListFolder(const std::string& folder) {
  return Timed("ListFolder", [&] { return files_.ListFolder(folder); });
}

bool TimedFileSystem::CreateFolders(const std::string& path) {
  return Timed("CreateFolders", [&] { return files_.CreateFolders(path); });
}

bool TimedFileSystem::RemoveFolder(const std::string& path) {
  return Timed("RemoveFolder", [&] { return files_.RemoveFolder(path); });
}

bool TimedFileSystem::CopyFile(const std::string& source, const std::string& target) {
  return Timed("CopyFile", [&] { return files_.CopyFile(source, target); });
}

bool TimedFileSystem::CopyNewFile(const std::string& source, const std::string& target) {
  return Timed("CopyNewFile", [&] { return files_.CopyNewFile(source, target); });
}

bool TimedFileSystem::DeleteFile(const std::string& path) {
  return Timed("DeleteFile", [&] { return files_.DeleteFile(path); });
}

bool TimedFileSystem::RenameFile(const std::string& from, const std::string& to) {
  return Timed("RenameFile", [&] { return files_.RenameFile(from, to); });
}

std::optional<std::uint32_t> TimedFileSystem::GetAttributes(const std::string& path) {
  return Timed("GetAttributes", [&] { return files_.GetAttributes(path); });
}

bool TimedFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return Timed("SetAttributes", [&] { return files_.SetAttributes(path, attributes); });
}

std::optional<platform::FileStamp> TimedFileSystem::ReadStamp(const std::string& path) {
  return Timed("ReadStamp", [&] { return files_.ReadStamp(path); });
}

std::optional<std::string> TimedFileSystem::ReadFile(const std::string& path) {
  return Timed("ReadFile", [&] { return files_.ReadFile(path); });
}

bool TimedFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  return Timed("WriteFile", [&] { return files_.WriteFile(path, bytes); });
}

bool TimedFileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  return Timed("AppendFile", [&] { return files_.AppendFile(path, bytes); });
}

std::optional<platform::FileStamp> TimedFileSystem::StampOf(const std::string& path) {
  return Timed("StampOf", [&] { return files_.StampOf(path); });
}

bool TimedFileSystem::DeleteAtRestart(const std::string& path) {
  return Timed("DeleteAtRestart", [&] { return files_.DeleteAtRestart(path); });
}

bool TimedFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  return Timed("ReplaceFile", [&] { return files_.ReplaceFile(from, to); });
}

bool TimedFileSystem::SetAccess(const std::string& path, const std::string& descriptor) {
  return Timed("SetAccess", [&] { return files_.SetAccess(path, descriptor); });
}

std::optional<platform::AccessFacts> TimedFileSystem::AccessOf(const std::string& path) {
  return Timed("AccessOf", [&] { return files_.AccessOf(path); });
}

std::optional<std::string> TimedFileSystem::ReadAccess(const std::string& path) {
  return Timed("ReadAccess", [&] { return files_.ReadAccess(path); });
}

}  // namespace bench
