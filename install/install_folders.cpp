#include "install/install_folders.h"

namespace install {

Language LanguageOf(int dictionary_language) {
  return dictionary_language == 2 ? Language::Spanish : Language::Portuguese;
}

std::string LanguageFolder(Language language) {
  return language == Language::Spanish ? "Esp\\" : "Port\\";
}

std::string TargetFolderPath(TargetFolder folder, Language language, const std::string& system_folder) {
  const std::string root = kInstallRoot;
  switch (folder) {
    case TargetFolder::Root: return root;
    case TargetFolder::Demos: return root + "\\Demos";
    case TargetFolder::Formats: return root + "\\formatos\\geolume";
    case TargetFolder::Symbols: return root + "\\Simbolos";
    case TargetFolder::Reports:
      return root + (language == Language::Spanish ? "\\Informes" : "\\Relatorios");
    case TargetFolder::ProfileTypes: return root + "\\perfil_tipo";
    case TargetFolder::Tutorial: return root + "\\Tutorial";
    case TargetFolder::Models: return root + "\\Modelos";
    case TargetFolder::Rbmc: return root + "\\rbmc";
    case TargetFolder::System: return system_folder;
  }
  return root;
}

}  // namespace install
