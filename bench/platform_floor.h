#pragma once
// What the platform itself costs per file of an installation, without any of
// the installer's code: a bare Win32 window showing a file's two lines and its
// progress bar, and the checks an unchanged file needs (attributes, the two
// stamps read through open files). Under Wine each is a server round trip or
// a flush to the X server: the floor under the installer's per-file cost.
#include <string>
#include <vector>

namespace bench {

// The plain files of the folder, not below it.
std::vector<std::wstring> FilesOf(const std::wstring& folder);

// For all the files: per file both lines set and drawn at once, the bar
// moved and drawn at once.
double PaintSeconds(const std::vector<std::wstring>& files);

// The same, the three drawn in one update of their window.
double OnePassPaintSeconds(const std::vector<std::wstring>& files);

// For all the files: per file what deciding "equal, nothing to copy" takes,
// the target's attributes read (and set when not normal), both stamps read
// through a file opened sharing with nobody.
double CheckSeconds(const std::vector<std::wstring>& files);

// For all the files: per file both lines' texts and the bar's position set
// as the window holds them (nothing drawn then), and the three drawn in one
// update once a display frame has passed: the least a run can show.
double PacedProgressSeconds(const std::vector<std::wstring>& files);

}  // namespace bench
