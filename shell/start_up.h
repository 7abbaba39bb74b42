#pragma once
// What start-up derives from the running program.
#include <string>

#include "platform/system.h"

namespace shell {

// The folder part of a program path with its final backslash; a path whose
// folder part does not end in one (a bare drive such as "D:") gets one appended.
std::string SourceFolderOf(const std::string& program_path);

// "a.b.c.d" from the fixed file version words.
std::string FormatFileVersion(const platform::FixedFileVersion& version);

// The file's version as "a.b.c.d"; empty when it carries no version information.
std::string FileVersionText(platform::System& system, const std::string& path);

// The version line of the main window: "V." + version + four spaces, which keep
// the right-aligned text off the window's edge.
std::string VersionLine(const std::string& version_text);

}  // namespace shell
