#pragma once
// The platform as an engine sees it while its changes are recorded: every
// call passes to the real one, and every change that succeeds is added to
// the record with what stood there before. The engines themselves do not
// know that they are recorded.
#include "platform/platform.h"
#include "record/change_record.h"

namespace record {

class RecordingRegistry : public platform::Registry {
 public:
  RecordingRegistry(platform::Registry& inner, ChangeRecord& record) : inner_(inner), record_(record) {}

  bool KeyExists(platform::RegistryRoot root, const std::string& key) override;
  bool CreateKey(platform::RegistryRoot root, const std::string& key) override;
  std::optional<std::vector<std::string>> SubKeys(platform::RegistryRoot root, const std::string& key) override;
  std::optional<std::vector<std::string>> ValueNames(platform::RegistryRoot root, const std::string& key) override {
    return inner_.ValueNames(root, key);
  }
  std::optional<platform::RegistryValue> ReadValue(platform::RegistryRoot root, const std::string& key,
                                                   const std::string& name) override;
  bool WriteString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& text) override;
  bool WriteDword(platform::RegistryRoot root, const std::string& key, const std::string& name,
                  std::uint32_t number) override;
  bool WriteValue(platform::RegistryRoot root, const std::string& key, const std::string& name,
                  const platform::RegistryValue& value) override;
  bool DeleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) override;
  bool DeleteKey(platform::RegistryRoot root, const std::string& key) override;

 private:
  platform::Registry& inner_;
  ChangeRecord& record_;
};

class RecordingFileSystem : public platform::FileSystem {
 public:
  RecordingFileSystem(platform::FileSystem& inner, ChangeRecord& record) : inner_(inner), record_(record) {}

  bool FileExists(const std::string& path) override { return inner_.FileExists(path); }
  bool FolderExists(const std::string& path) override { return inner_.FolderExists(path); }
  std::optional<std::vector<platform::DirectoryEntry>> ListFolder(const std::string& folder) override {
    return inner_.ListFolder(folder);
  }
  bool CreateFolders(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override { return inner_.RemoveFolder(path); }
  bool CopyFile(const std::string& source, const std::string& target) override;
  bool CopyNewFile(const std::string& source, const std::string& target) override {
    return Written(target, false, inner_.CopyNewFile(source, target));
  }
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  std::optional<std::uint32_t> GetAttributes(const std::string& path) override {
    return inner_.GetAttributes(path);
  }
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
    return inner_.SetAttributes(path, attributes);
  }
  std::optional<platform::FileStamp> ReadStamp(const std::string& path) override { return inner_.ReadStamp(path); }
  std::optional<std::string> ReadFile(const std::string& path) override { return inner_.ReadFile(path); }
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool AppendFile(const std::string& path, const std::string& bytes) override;
  std::optional<platform::FileStamp> StampOf(const std::string& path) override { return inner_.StampOf(path); }
  bool DeleteAtRestart(const std::string& path) override { return inner_.DeleteAtRestart(path); }
  bool ReplaceFile(const std::string& from, const std::string& to) override;
  bool SetAccess(const std::string& path, const std::string& descriptor) override {
    return inner_.SetAccess(path, descriptor);
  }
  std::optional<std::string> ReadAccess(const std::string& path) override { return inner_.ReadAccess(path); }
  std::optional<platform::AccessFacts> AccessOf(const std::string& path) override { return inner_.AccessOf(path); }
  std::uint32_t LastError() override { return inner_.LastError(); }

 private:
  // Records the file as written, then gives the caller the write's own error.
  bool Written(const std::string& path, bool existed, bool succeeded);

  platform::FileSystem& inner_;
  ChangeRecord& record_;
};

class RecordingShell : public platform::Shell {
 public:
  RecordingShell(platform::Shell& inner, ChangeRecord& record) : inner_(inner), record_(record) {}

  std::string SpecialFolder(int csidl) override { return inner_.SpecialFolder(csidl); }
  bool SaveLink(const platform::ShellLink& link, const std::string& link_path) override;
  std::optional<platform::ShellLink> ReadLink(const std::string& link_path) override {
    return inner_.ReadLink(link_path);
  }

 private:
  platform::Shell& inner_;
  ChangeRecord& record_;
};

class RecordingProcesses : public platform::Processes {
 public:
  RecordingProcesses(platform::Processes& inner, ChangeRecord& record) : inner_(inner), record_(record) {}

  bool StartHidden(const std::string& command_line) override;
  bool RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) override;
  std::optional<std::vector<std::string>> RunningExecutables() override { return inner_.RunningExecutables(); }
  std::uint32_t LastError() override { return inner_.LastError(); }

 private:
  platform::Processes& inner_;
  ChangeRecord& record_;
};

// The whole platform with its changes recorded; what cannot change the
// machine passes through as it is.
class RecordingPlatform {
 public:
  RecordingPlatform(platform::Platform& inner, ChangeRecord& record)
      : registry_(inner.registry, record),
        files_(inner.files, record),
        shell_(inner.shell, record),
        processes_(inner.processes, record),
        platform_{registry_, files_, shell_, processes_, inner.system, inner.locale, inner.resources} {}

  platform::Platform& Get() { return platform_; }

 private:
  RecordingRegistry registry_;
  RecordingFileSystem files_;
  RecordingShell shell_;
  RecordingProcesses processes_;
  platform::Platform platform_;
};

}  // namespace record
