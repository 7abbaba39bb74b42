#pragma once
// The twelve copy steps of a run, from the medium into the product's folders.
#include <array>
#include <string>
#include <string_view>

#include "install/copy_rule.h"
#include "install/install_folders.h"

namespace install {

struct CopyStep {
  std::string_view source;  // below the medium's root, ending in a backslash
  bool in_language_folder;  // the language subfolder is appended to it
  TargetFolder target;
  bool may_be_absent;
  CopyRule rule;
};

// In the order a run processes them. The three steps into the root come in
// this order so that the language's and then the special files win.
constexpr std::array<CopyStep, 12> kCopyTable = {{
    {"programa\\", false, TargetFolder::Root, false, CopyRule::None},
    {"demos\\", true, TargetFolder::Demos, false, CopyRule::None},
    {"sistema\\", false, TargetFolder::System, false, CopyRule::None},
    {"formatos\\", true, TargetFolder::Formats, false, CopyRule::None},
    {"perfil_tipo\\", true, TargetFolder::ProfileTypes, false, CopyRule::None},
    {"simbolos\\", true, TargetFolder::Symbols, false, CopyRule::None},
    {"relatorios\\", true, TargetFolder::Reports, false, CopyRule::ReadOnly},
    {"tutorial\\", true, TargetFolder::Tutorial, true, CopyRule::None},
    {"programa\\", true, TargetFolder::Root, false, CopyRule::None},
    {"modelos\\", true, TargetFolder::Models, false, CopyRule::None},
    {"rbmc\\", false, TargetFolder::Rbmc, true, CopyRule::None},
    {"programa\\especial\\", false, TargetFolder::Root, false, CopyRule::KeepNewer},
}};

// The step's folder on the medium, ending in a backslash.
std::string CopyStepSource(const CopyStep& step, const std::string& source_folder, Language language);

}  // namespace install
