#pragma once
// What the process token says about who runs the program.
#include <vector>

#include "platform/system.h"

namespace platform {

// LocalSystem, else elevated or not; Wine, which knows no elevation, reads
// as an administrator.
Account AccountOfThisProcess();

// The token user's SID as bytes; empty when the token cannot be read.
std::vector<unsigned char> UserSidOfThisProcess();

}  // namespace platform
