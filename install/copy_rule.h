#pragma once

namespace install {

// What a copy step does beyond copying.
enum class CopyRule {
  None,
  ReadOnly,   // copied files are made read-only (the reports)
  KeepNewer,  // a target newer than its source stays
};

}  // namespace install
