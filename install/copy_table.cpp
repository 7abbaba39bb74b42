#include "install/copy_table.h"

namespace install {

std::string CopyStepSource(const CopyStep& step, const std::string& source_folder, Language language) {
  std::string folder = source_folder + std::string(step.source);
  if (step.in_language_folder) folder += LanguageFolder(language);
  return folder;
}

}  // namespace install
