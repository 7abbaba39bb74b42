#include "cad/profile_configuration.h"

#include "cad/cad_messages.h"
#include "cad/cad_profile.h"
#include "cad/cad_registry.h"
#include "cad/old_menu_files.h"
#include "cad/own_startup_files.h"
#include "cad/product_paths.h"
#include "cad/profile_display_text.h"
#include "cad/profile_discovery.h"
#include "cad/release_number.h"
#include "cad/running_host_check.h"
#include "cad/startup_suite.h"
#include "cad/trusted_paths.h"
#include "text/fill_in.h"

namespace cad {

namespace {

// AutoCAD releases from this one on load only trusted LISP files.
constexpr double kTrustedPathsRelease = 19.1;

class ProfileConfiguration {
 public:
  ProfileConfiguration(const CadConfigurationContext& context, const std::vector<CadListLine>& lines)
      : context_(context), registry_(context.registry), lines_(lines) {}

  ConfigurationOutcome Run() {
    if (const auto refusal = RunningHostMessage(context_.processes)) {
      context_.show_message(*refusal);
      return ConfigurationOutcome::RefusedHostOpen;
    }
    if (!context_.leave_install_root) DeleteOldMenuFiles(context_.files, kInstallRoot);
    const auto profiles = FindCadProfiles(registry_);
    // A profile beyond the last line appeared after the list was filled:
    // nobody ticked it, so it is left alone.
    for (std::size_t line = 0; line < profiles.size() && line < lines_.size(); ++line) {
      if (lines_[line].ticked) Configure(profiles[line], lines_[line].text);
    }
    if (context_.leave_install_root) {
      CheckStartupFiles(context_.files, [this](const std::string& path) {
        partly_ = true;
        context_.show_message(text::FillIn(Translated(messages::kStartupFileWrong), {path}));
      });
    } else {
      WriteStartupFiles(context_.files, [this](const std::string& path) {
        context_.show_message(text::FillIn(Translated(messages::kStartupFileNotProtected),
                                           {path, std::to_string(context_.files.LastError())}));
      });
    }
    const bool complete = !partly_;
    context_.show_information(Translated(complete ? messages::kConfigured : messages::kConfiguredPartly));
    return complete ? ConfigurationOutcome::Configured : ConfigurationOutcome::ConfiguredPartly;
  }

 private:
  std::string Translated(const std::string& text) const {
    return context_.translate ? context_.translate(text) : text;
  }

  void Configure(const CadProfile& profile, const std::string& line) {
    switch (profile.host) {
      case CadHost::AutoCad: return ConfigureAutoCad(profile.keyPath, line);
      case CadHost::BricsCad: return ConfigureBricsCad(profile.keyPath);
      case CadHost::GstarCad: return ConfigureGstarCad(profile.keyPath, line);
    }
  }

  void ConfigureAutoCad(const std::string& profile, const std::string& line) {
    const double release = ReleaseNumber(profile);
    const std::string general = profile + "\\General";
    const std::string search_path = ReadRegString(registry_, general, "ACAD");
    SetAside(search_path, "acad.lsp");
    GuardedWrite(general, "ACAD", AddProductPaths(search_path), SearchPathMessage(line));
    RequireRegInteger(registry_, profile + "\\Editor Configuration", "ACADLspAsDoc", 1);
    if (release < kTrustedPathsRelease) return;
    const std::string variables = profile + "\\Variables";
    const std::string trusted = ReadRegString(registry_, variables, "TRUSTEDPATHS");
    GuardedWrite(variables, "TRUSTEDPATHS", MergeTrustedPath(trusted),
                 messages::kTrustedPathNotWritten + line + messages::kDoItManually);
    GuardedWrite(variables, "LISPSYS", "0", messages::kLispSysNotWritten);
  }

  void ConfigureBricsCad(const std::string& config) {
    const std::string search_path = ReadRegString(registry_, config, "SRCHPATH");
    SetAside(search_path, "on_start.lsp");
    RequireRegString(registry_, config, "SRCHPATH", AddProductPaths(search_path));
    RequireRegInteger(registry_, config, "ACADLSPASDOC", 1);
    RequireRegInteger(registry_, config, "ImportCuiFileExists", 1);
  }

  void ConfigureGstarCad(const std::string& profile, const std::string& line) {
    const std::string general = profile + "\\General";
    const std::string search_path = ReadRegString(registry_, general, "GCAD");
    SetAside(search_path, "acad.lsp");
    GuardedWrite(general, "GCAD", AddProductPaths(search_path), SearchPathMessage(line));
    RequireRegInteger(registry_, profile + "\\Editor Configuration", "ACADLspAsDoc", 1);
    AddToStartupSuite(registry_, profile);
  }

  static std::string SearchPathMessage(const std::string& line) {
    return messages::kSearchPathNotWritten + line + messages::kDoItManually;
  }

  // The search path is swept as it was before the product's folders join it.
  void SetAside(const std::string& search_path, const std::string& name) {
    if (!SetAsideStartupFile(context_.files, search_path, name, context_.show_message,
                             context_.leave_install_root)) {
      partly_ = true;
    }
  }

  // A setting the user can make by hand: a failure is reported and the run goes on.
  void GuardedWrite(const std::string& key, const std::string& name, const std::string& text,
                    const std::string& failure_message) {
    if (WriteRegString(registry_, key, name, text)) return;
    partly_ = true;
    context_.show_message(failure_message);
  }

  const CadConfigurationContext& context_;
  platform::Registry& registry_;
  const std::vector<CadListLine>& lines_;
  bool partly_ = false;
};

}  // namespace

std::vector<CadListLine> EveryProfileTicked(platform::Registry& registry) {
  std::vector<CadListLine> lines;
  for (const auto& profile : ListedCadProfiles(registry)) lines.push_back({profile.displayText, true});
  return lines;
}

ConfigurationOutcome ConfigureCadProfiles(const CadConfigurationContext& context,
                                          const std::vector<CadListLine>& lines) {
  return ProfileConfiguration(context, lines).Run();
}

}  // namespace cad
