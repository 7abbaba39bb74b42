#pragma once
// The tests the copy makes before it overwrites a file.
#include <array>
#include <string>

#include "platform/file_system.h"

namespace install {

// The tables the user fills in, in the installation's root.
constexpr std::array<const char*, 4> kPreservedTables = {
    "C:\\geolume\\TabelaEquipamentosGeorreferenciamento.tbp",
    "C:\\geolume\\TabelaPessoasGeorreferenciamento.tbp",
    "C:\\geolume\\TabelaProfissionaisGeorreferenciamento.tbp",
    "C:\\geolume\\TabelaVerticesUtilizadosGeorreferenciamento.tbp",
};

// One of the tables the user fills in, which a copy never overwrites.
bool IsPreservedTable(const std::string& path);

// The target, which exists, has the source's DOS date-time and the low 32
// bits of its size. Throws InstallError when either file cannot be opened for
// itself alone (another program holds it).
bool IsSameFile(platform::FileSystem& files, const std::string& source, const std::string& target);

// The target exists and was written later than the source. A file whose time
// cannot be read makes neither newer, so the copy goes on and reports it.
bool IsTargetNewer(platform::FileSystem& files, const std::string& source, const std::string& target);

}  // namespace install
