#pragma once
// Clearing a host's search path of startup files that are not the product's.
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace cad {

// Shows a text in a plain box with one OK button and returns when it closes.
using ShowMessage = std::function<void(const std::string& text)>;

// The n-th (from 1) of the ";"-separated fields, unchanged; empty when there
// is none.
std::string PathListField(const std::string& path_list, int field);

// What a set-aside name holds between the file's name less ".lsp" and its
// number k, which goes from 1 to kSetAsideNames.
constexpr char kSetAsideMarker[] = "-Renomeado-pelo-Geolume-";
constexpr int kSetAsideNames = 50;

// The first of "<file less .lsp>-Renomeado-pelo-Geolume-k.lsp", k = 1..50,
// under which no file exists; the one with k = 50 when all are taken.
std::string SetAsideName(platform::FileSystem& files, const std::string& startup_file);

// For each of the first 49 folders of the search path, up to its first empty
// field: a startup file of that name there is deleted when it is the
// product's own (by path or by content) and otherwise renamed out of the way.
// A file that can be neither is reported and left; false then. With
// leave_install_root, folders in c:\geolume are passed over.
bool SetAsideStartupFile(platform::FileSystem& files, const std::string& search_path,
                         const std::string& name, const ShowMessage& show_message,
                         bool leave_install_root = false);

}  // namespace cad
