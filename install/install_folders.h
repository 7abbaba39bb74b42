#pragma once
// Where the installation puts things: the fixed root, the folders below it
// that every run creates, and the medium's language subfolders.
#include <array>
#include <string>

namespace install {

constexpr char kInstallRoot[] = "c:\\Geolume";

enum class Language { Portuguese, Spanish };

// The dictionary's language index: 2 is Spanish, everything else Portuguese.
Language LanguageOf(int dictionary_language);

// "Port\" or "Esp\".
std::string LanguageFolder(Language language);

enum class TargetFolder {
  Root,
  Demos,
  Formats,
  Symbols,
  Reports,  // "Relatorios", or "Informes" in Spanish
  ProfileTypes,
  Tutorial,
  Models,
  Rbmc,
  System,  // the Windows system folder, not below the root
};

// The folders each run creates, in the order it creates them.
constexpr std::array<TargetFolder, 9> kCreatedFolders = {
    TargetFolder::Root,         TargetFolder::Demos,    TargetFolder::Formats,
    TargetFolder::Symbols,      TargetFolder::Reports,  TargetFolder::ProfileTypes,
    TargetFolder::Tutorial,     TargetFolder::Models,   TargetFolder::Rbmc,
};

// The folder's full path, without a trailing backslash.
std::string TargetFolderPath(TargetFolder folder, Language language, const std::string& system_folder);

}  // namespace install
