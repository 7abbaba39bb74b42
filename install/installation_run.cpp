#include "install/installation_run.h"

#include <optional>
#include <string_view>

#include "install/code_folders.h"
#include "install/component_registration.h"
#include "install/copy_folder.h"
#include "install/copy_table.h"
#include "install/file_associations.h"
#include "install/install_messages.h"
#include "install/shortcuts.h"
#include "install/viewer_control_registration.h"
#include "text/fill_in.h"

namespace install {

namespace {

constexpr char kReportSettings[] = "c:\\geolume\\descritivo.cfg";

class InstallationRun {
 public:
  explicit InstallationRun(const InstallationContext& context)
      : context_(context), windows_(context.windows), language_(context.language) {}

  InstallationOutcome Run() {
    Status(messages::kCreatingFolders);
    context_.progress.ShowCopyCaption();
    if (!TakeRoot()) return InstallationOutcome::RootNotCreated;
    CreateTargetFolders();
    if (!windows_.files.FolderExists(kInstallRoot)) {
      ShowError(Lookup(messages::kRootNotCreated));
      return InstallationOutcome::RootNotCreated;
    }
    ProtectFolders();
    Status(messages::kCopyingFiles);
    if (!CopyFromMedium()) return InstallationOutcome::MissingMediumFolder;
    OpenUserTables(windows_.files);
    RegisterComponents();
    Status(messages::kCreatingShortcuts);
    windows_folder_ = windows_.system.WindowsFolder();
    ReplaceShortcuts();
    DeleteReportSettings();
    WriteFileAssociations();
    return InstallationOutcome::Completed;
  }

 private:
  std::string Lookup(std::string_view text) { return context_.Lookup(std::string(text)); }

  void Status(std::string_view text) { context_.progress.ShowStatus(Lookup(text)); }

  void ShowError(const std::string& text) {
    context_.show_message({text, Lookup(messages::kErrorCaption), false});
  }

  // False when the root leads elsewhere; a root given back says what it held.
  bool TakeRoot() {
    const RootCheck root = CheckInstallRoot(context_);
    if (root.refused) {
      ShowError(Lookup(messages::kRootIsLink));
      return false;
    }
    if (root.taken_back && !root.foreign_code.empty()) {
      std::string list;
      for (const std::string& path : root.foreign_code) list += "\r\n" + path;
      ShowError(text::FillIn(Lookup(messages::kRootTakenBack), {list}));
    }
    return true;
  }

  void ProtectFolders() {
    for (const auto& [folder, error] : SetFolderAccess(windows_.files)) {
      ShowError(text::FillIn(Lookup(messages::kFolderNotProtected), {folder, std::to_string(error)}));
    }
  }

  // A folder that cannot be made is not reported; only the root is checked.
  void CreateTargetFolders() {
    for (TargetFolder folder : kCreatedFolders) {
      windows_.files.CreateFolders(TargetFolderPath(folder, language_, context_.system_folder));
    }
  }

  // False when a required folder is missing: nothing more may be done.
  bool CopyFromMedium() {
    for (const CopyStep& step : kCopyTable) {
      std::string source = CopyStepSource(step, context_.source_folder, language_);
      if (!windows_.files.FolderExists(source)) {
        if (step.may_be_absent) continue;
        ShowError(text::FillIn(Lookup(messages::kMissingFolder), {source}));
        return false;
      }
      std::string target = TargetFolderPath(step.target, language_, context_.system_folder);
      int copied = CopyFolder(context_, source, target, step.rule);
      // Files replaced in the system folder may be in use until Windows restarts.
      if (step.target == TargetFolder::System && copied > 0) context_.restart_needed = true;
    }
    return true;
  }

  void RegisterComponents() {
    RegisterViewerControl(windows_.registry);
    RegisterComServer(context_, kPlotsumServer);
    RegisterComServer(context_, kDrafterServer);
    RegisterTextControl(context_);
  }

  void ReplaceShortcuts() {
    RemoveOldShortcuts(windows_.files, windows_.shell);
    std::string description = ShortcutDescription(language_);
    CreateShortcut(windows_.files, windows_.shell, kMainProgram, std::string(kProgramGroup), description,
                   kShortcutName);
    CreateShortcut(windows_.files, windows_.shell, kMainProgram, std::nullopt, description,
                   kShortcutName);
  }

  // The report module rebuilds its settings; a read-only copy must go too.
  void DeleteReportSettings() {
    if (!windows_.files.FileExists(kReportSettings)) return;
    windows_.files.SetAttributes(kReportSettings, platform::kAttributeNormal);
    windows_.files.DeleteFile(kReportSettings);
  }

  void WriteFileAssociations() {
    for (const FileAssociation& row : kFileAssociations) {
      RegisterFileType(windows_.registry, std::string(row.extension), Lookup(row.class_key),
                       Lookup(row.description), std::string(row.icon_file),
                       OpenCommandOf(row, windows_folder_));
    }
  }

  const InstallationContext& context_;
  platform::Platform& windows_;
  Language language_;
  std::string windows_folder_;
};

}  // namespace

InstallationOutcome InstallProduct(const InstallationContext& context) {
  return InstallationRun(context).Run();
}

}  // namespace install
