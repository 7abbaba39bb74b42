#include "install/installation_run.h"

#include <optional>
#include <string_view>
#include <utility>

#include "install/component_registration.h"
#include "install/copy_folder.h"
#include "install/copy_table.h"
#include "install/file_associations.h"
#include "install/install_folders.h"
#include "install/install_messages.h"
#include "install/install_text.h"
#include "install/shortcuts.h"
#include "install/viewer_control_registration.h"
#include "ui/application.h"
#include "text/fill_in.h"

namespace install {

namespace {

constexpr char kReportSettings[] = "c:\\geolume\\descritivo.cfg";

class InstallationRun {
 public:
  InstallationRun(shell::MainForm& form, const std::function<void()>& list_cad_profiles)
      : form_(form),
        windows_(form.GetPlatform()),
        state_(form.GetState()),
        language_(LanguageOf(form.Dictionary().Language())),
        list_cad_profiles_(list_cad_profiles) {}

  void Run() {
    ShowProgressPanel();
    Status(messages::kCreatingFolders);
    form_.Label11.Show();
    CreateTargetFolders();
    if (!windows_.files.FolderExists(kInstallRoot)) {
      ShowError(Lookup(messages::kRootNotCreated));
      ShowCadProfiles();
      return;
    }
    Status(messages::kCopyingFiles);
    if (!CopyFromMedium()) return;
    RegisterComponents();
    Status(messages::kCreatingShortcuts);
    windows_folder_ = windows_.system.WindowsFolder();
    ReplaceShortcuts();
    DeleteReportSettings();
    WriteFileAssociations();
    form_.pb1.Hide();
    form_.Panel3.Show();
    ShowCadProfiles();
  }

 private:
  std::string Lookup(std::string_view text) { return form_.Translate(std::string(text)); }

  void Status(std::string_view text) { SetStatus(form_, Lookup(text)); }

  void ShowError(const std::string& text) {
    form_.App().ShowMessage({text, Lookup(messages::kErrorCaption), ui::MessageIcon::None, nullptr});
  }

  void ShowProgressPanel() {
    form_.lblInstalar.Hide();
    form_.lblConfigurar.Hide();
    form_.lblSair.Hide();
    form_.Panel1.Show();
    form_.pb1.Show();
    form_.Repaint();
  }

  // A folder that cannot be made is not reported; only the root is checked.
  void CreateTargetFolders() {
    for (TargetFolder folder : kCreatedFolders) {
      windows_.files.CreateFolders(TargetFolderPath(folder, language_, state_.system_folder));
    }
  }

  // False when a required folder is missing: the application has then been
  // told to end, and nothing more may be done.
  bool CopyFromMedium() {
    for (const CopyStep& step : kCopyTable) {
      std::string source = CopyStepSource(step, state_.source_folder, language_);
      if (!windows_.files.FolderExists(source)) {
        if (step.may_be_absent) continue;
        ShowError(text::FillIn(Lookup(messages::kMissingFolder), {source}));
        form_.App().Terminate(kExitMissingMediumFolder);
        return false;
      }
      std::string target = TargetFolderPath(step.target, language_, state_.system_folder);
      int copied = CopyFolder(form_, source, target, step.rule);
      // Files replaced in the system folder may be in use until Windows restarts.
      if (step.target == TargetFolder::System && copied > 0) state_.restart_needed = true;
    }
    return true;
  }

  void RegisterComponents() {
    RegisterViewerControl(windows_.registry);
    RegisterComServer(form_, kPlotsumServer);
    RegisterComServer(form_, kDrafterServer);
    RegisterTextControl(form_);
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

  // A listing stopped by an error must not leave the finished run's panel
  // covering the CAD panel.
  void ShowCadProfiles() {
    try {
      if (list_cad_profiles_) list_cad_profiles_();
    } catch (...) {
      form_.Panel1.Hide();
      throw;
    }
    form_.Panel1.Hide();
  }

  shell::MainForm& form_;
  platform::Platform& windows_;
  shell::InstallerState& state_;
  Language language_;
  const std::function<void()>& list_cad_profiles_;
  std::string windows_folder_;
};

}  // namespace

void SetStatus(shell::MainForm& form, const std::string& text) {
  form.sb1.SetSimpleText(text);
  form.sb1.Repaint();
}

void RunInstallation(shell::MainForm& form, const std::function<void()>& list_cad_profiles) {
  InstallationRun(form, list_cad_profiles).Run();
}

void AttachInstallation(shell::MainForm& form, std::function<void()> list_cad_profiles) {
  form.run_installation = [&form, list = std::move(list_cad_profiles)] { RunInstallation(form, list); };
}

}  // namespace install
