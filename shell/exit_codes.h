#pragma once
// The program's exit codes, as Windows Installer's, so that deployment tools
// read them without being taught.
namespace shell {

constexpr int kExitSuccess = 0;
constexpr int kExitBadCommandLine = 87;
constexpr int kExitDeclined = 1602;
constexpr int kExitFailure = 1603;
constexpr int kExitRestartNeeded = 3010;

}  // namespace shell
