// The record of changes read from arbitrary text, as a cut, damaged or
// planted record file would hold it: reading never fails, every entry read
// is written back to a line that reads as the same entry, and the record
// made of those lines reads as the same entries again.
//
// fuzz-sources: record/change_record.cpp
#include <cstddef>
#include <cstdint>
#include <string>

#include "record/change_record.h"
#include "tests/fuzz/fuzz_checks.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  const auto entries = record::ParseRecord(text);
  std::string rewritten;
  for (const record::Entry& entry : entries) {
    const std::string line = record::LineOf(entry);
    Require(line.find('\n') == std::string::npos, "an entry wrote a line break", line);
    const auto again = record::EntryOf(line);
    Require(again.has_value(), "an entry read did not read back", line);
    Require(record::LineOf(*again) == line, "an entry read back as another", line);
    rewritten += line + "\n";
  }
  const auto reread = record::ParseRecord(rewritten);
  Require(reread.size() == entries.size(), "the rewritten record holds another count of entries", rewritten);
  for (std::size_t i = 0; i < reread.size(); ++i) {
    Require(record::LineOf(reread[i]) == record::LineOf(entries[i]), "the rewritten record reads otherwise",
            rewritten);
  }
  return 0;
}
