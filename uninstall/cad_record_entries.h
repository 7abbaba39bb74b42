#pragma once
// What a CAD configuration can have changed, recognised in its record. The
// record is only believed where it names such a change: the values of the
// configuration table under a CAD profile of the current user, the startup
// suite's keys, startup files set aside beside themselves, and the product's
// own startup files.
#include <optional>
#include <string>

#include "record/change_record.h"

namespace uninstall {

// How a value of the configuration table is given back.
enum class CadValueKind {
  SearchPath,    // ACAD, SRCHPATH, GCAD: the product's folders leave it
  TrustedPaths,  // TRUSTEDPATHS: the product's entry leaves it
  Setting,       // ACADLspAsDoc, ACADLSPASDOC, ImportCuiFileExists, LISPSYS: back to its former value
  StartupSuite,  // NumStartup and <n>Startup: the product's entry leaves the suite
};

// The kind of a Value entry naming a value of the configuration table, for
// its host, under a profile key of AutoCAD, BricsCAD or GstarCAD in
// HKEY_CURRENT_USER; nullopt for any other entry.
std::optional<CadValueKind> ConfiguredValueKind(const record::Entry& entry);

// A Key entry for a GstarCAD profile's "Dialogs\Appload\Startup" key or one
// of the two keys between it and the profile, which making it may have made.
bool IsStartupSuiteKey(const record::Entry& entry);

// A Renamed entry that moved "acad.lsp" or "on_start.lsp" to its set-aside
// name in the same folder.
bool IsSetAsideStartupFile(const record::Entry& entry);

// A File entry for the product's "acad.lsp" or "on_start.lsp" in the
// installation root.
bool IsOwnStartupFileEntry(const record::Entry& entry);

// One spelling for all the ways of writing a key (letter case, leading and
// doubled backslashes), to find the entries about the same key.
std::string KeyIdentity(const std::string& key);

}  // namespace uninstall
