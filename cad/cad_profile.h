#pragma once
// A discovered CAD host profile. Profiles are kept in the order of the CAD
// list's lines: all AutoCAD ones, then BricsCAD, then GstarCAD, each in
// discovery order, so the k-th profile stands for the k-th line.
#include <string>

namespace cad {

enum class CadHost { AutoCad, BricsCad, GstarCad };

struct CadProfile {
  CadHost host = CadHost::AutoCad;
  // Under HKEY_CURRENT_USER, beginning with a backslash: the key holding the
  // profile's "Editor Configuration" key, or BricsCAD's "Config" key itself.
  std::string keyPath;
  // The line shown in the list; only filled when the list is built.
  std::string displayText;
};

}  // namespace cad
