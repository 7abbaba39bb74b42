#pragma once
// What every Processes promises about the process snapshot, written once and
// run against each Windows. The environment type offers:
//   Processes& processes();
//   std::string StartProgram();  // starts a program that runs until EndProgram; its file name
//   void EndProgram();           // returns once the program has ended
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace platform::contract {

template <typename Environment>
class ProcessesContract : public ::testing::Test {
 protected:
  // How many entries of the snapshot name the program, as the running-host
  // check reads them: by the file name, in any case.
  static int Count(const std::vector<std::string>& snapshot, const std::string& file_name) {
    const auto upper = [](std::string text) {
      std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      });
      return text;
    };
    return static_cast<int>(
        std::count_if(snapshot.begin(), snapshot.end(), [&](const std::string& entry) {
          return upper(entry.substr(entry.find_last_of('\\') + 1)) == upper(file_name);
        }));
  }

  Environment environment;
  Processes& processes = environment.processes();
};

TYPED_TEST_SUITE_P(ProcessesContract);

TYPED_TEST_P(ProcessesContract, ARunningProgramIsInTheSnapshotUntilItEnds) {
  const auto before = this->processes.RunningExecutables();
  ASSERT_TRUE(before);
  const auto program = this->environment.StartProgram();
  EXPECT_EQ(this->Count(*before, program), 0);

  const auto running = this->processes.RunningExecutables();
  ASSERT_TRUE(running);
  EXPECT_EQ(this->Count(*running, program), 1) << program;

  this->environment.EndProgram();
  const auto after = this->processes.RunningExecutables();
  ASSERT_TRUE(after);
  EXPECT_EQ(this->Count(*after, program), 0) << program;
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesContract, ARunningProgramIsInTheSnapshotUntilItEnds);

}  // namespace platform::contract
