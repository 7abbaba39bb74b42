#pragma once
// A complete installation medium for both languages, laid out by the tests,
// the demo and ./run: every folder of the copy table, the stub components,
// icons, the user tables, hidden and system files, and files that differ
// between programa\ and its language folders.
#include <string>
#include <vector>

namespace wintest {

struct MediumOptions {
  bool with_programa = true;
  bool with_tutorial = true;
  bool with_rbmc = true;
};

// Lays the medium out in the folder (created) and returns the installer's path there.
std::string MakeSampleMedium(const std::string& folder, const MediumOptions& options = {});

// The icon files the file associations name, all shipped in programa\.
const std::vector<std::string>& AssociationIcons();

// The file the medium's sistema\ folder holds, which goes to the system folder.
constexpr char kSystemFile[] = "geotopo32.dll";

}  // namespace wintest
