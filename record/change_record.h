#pragma once
// The record of what an installation or a CAD configuration changed on the
// machine, written line by line as each change is made, so that a run that
// stops half-way leaves a record of the half it did. Later runs add to it;
// the first entry about a thing keeps what stood there before any run.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace record {

enum class EntryKind {
  Run,      // a run began: what (text) and in which language (language)
  Folder,   // path: a folder the run made
  File,     // path: a file the run wrote; existed before; stamp it left
  Key,      // root, key: a registry key the run made
  Value,    // root, key, name: former value (or none) and the value written
  Link,     // path: a shortcut the run saved
  Started,  // text: a command line the run started (component registration)
  Renamed,  // path -> other_path: a file the run set aside
  Deleted,  // path: a file the run deleted
  Shared,   // path: a system-folder file whose shared count the run raised
};

struct Entry {
  EntryKind kind = EntryKind::Run;
  std::string path;
  std::string other_path;
  bool existed = false;
  platform::FileStamp stamp;
  platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
  std::string key;
  std::string name;
  std::optional<platform::RegistryValue> former;
  platform::RegistryValue written;
  std::string text;
  std::string language;
};

// One line of the record, without its line end, and back. A line that is
// not a whole entry (the last of a record cut by a crash) reads as nullopt.
std::string LineOf(const Entry& entry);
std::optional<Entry> EntryOf(const std::string& line);

// Every whole entry of a record's text, in order.
std::vector<Entry> ParseRecord(const std::string& text);

class ChangeRecord {
 public:
  // what: "install" or "cad"; language: "pt" or "es". The record file and
  // its folder are made with the first change. With an empty path nothing
  // is kept and every Add fails.
  ChangeRecord(platform::FileSystem& files, std::string path, std::string what, std::string language);

  // Appends the entry; false once any append has failed (the run goes on).
  bool Add(const Entry& entry);
  bool Failed() const { return failed_; }
  const std::string& Path() const { return path_; }

 private:
  platform::FileSystem& files_;
  std::string path_;
  Entry run_;
  bool started_ = false;
  bool failed_ = false;
};

// The record's entries, or none when it is missing or unreadable.
std::vector<Entry> ReadRecord(platform::FileSystem& files, const std::string& path);

}  // namespace record
