#pragma once
// The benchmark's media: the sample medium (the skeleton every run needs, with
// the stub components) plus bulk files spread over the copy steps as a real
// product spreads them: many small tables, symbols and formats, a few large
// programs and tutorials. Only the Portuguese folders get bulk, so a copy of
// the whole medium holds the same files a Portuguese installation copies.
#include <cstdint>
#include <string>

namespace bench {

struct MediumSize {
  int files = 0;
  std::uint64_t bytes = 0;
};

// About 2,000 files from 1 KiB to 8 MiB, about 300 MiB; the same every time.
MediumSize AddRealisticBulk(const std::string& medium);

// That many files of one small size, in the same folders and proportions:
// what grows is the number of files, not their bytes.
MediumSize AddScaledBulk(const std::string& medium, int files, std::uint32_t file_bytes);

// Every plain file below the folder.
MediumSize MeasureFolder(const std::string& folder);

}  // namespace bench
