#pragma once
// What the contract suites and the environments that run them share. An
// environment is a plain type per Windows implementation: it builds the object
// under test and does from outside what a test needs (another program holding
// a file open, a file's time set as a medium would carry it). Each suite's
// header lists what its environment must offer.
#include <cstdint>

namespace platform::contract {

// How another program holds a file open for reading.
enum class OtherOpen { SharingNothing, SharingRead };

// A local wall-clock time, as a file's last write is shown to the user.
struct LocalTime {
  int year = 1980;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

}  // namespace platform::contract
