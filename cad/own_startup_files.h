#pragma once
// The product's own startup LISP files in the installation root.
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace cad {

constexpr char kInstallRoot[] = "c:\\geolume";

// Each file's one line, ended by carriage return and line feed.
constexpr char kAcadStartupFile[] = "c:\\geolume\\acad.lsp";
constexpr char kAcadStartupText[] = "(DEFUN S::STARTUP()(LOAD \"GEOLUME15.VLX\" \"\")(PRINC))\r\n";
constexpr char kOnStartStartupFile[] = "c:\\geolume\\on_start.lsp";
constexpr char kOnStartStartupText[] =
    R"((DEFUN S::STARTUP()(LOAD "C:\\GEOLUME\\GEOLUME15.DES" "")(PRINC)))"
    "\r\n";

// True when the file holds the product's "acad.lsp" line, whatever its letter
// case, spaces and line breaks; false when there is no such file. A file that
// exists but cannot be read throws CadError.
bool IsOwnStartupFile(platform::FileSystem& files, const std::string& path);

// Writes "acad.lsp", then "on_start.lsp", replacing what they held, and
// gives each the access list that only administrators may change; a file
// holding the right bytes already is left alone. A file that cannot be
// written throws CadError; one whose access list cannot be set is told to
// not_protected, with its path.
void WriteStartupFiles(platform::FileSystem& files,
                       const std::function<void(const std::string&)>& not_protected = {});

// What a configuration that may not write them does instead: each of the two
// files that is missing or does not hold exactly its bytes is told to wrong,
// with its path. Nothing is written.
void CheckStartupFiles(platform::FileSystem& files, const std::function<void(const std::string&)>& wrong);

}  // namespace cad
