#pragma once
// The accounts of the in-memory Windows: who runs a simulated process, what
// groups its token holds for access checks, and whom the objects it creates
// belong to. Security identifiers are in the descriptor language's text:
// aliases where Windows has them ("BA", "SY"), "S-1-…" otherwise.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform {

// TrustedInstaller, which owns Windows' own folders; it has no alias.
constexpr char kTrustedInstallerSid[] =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

struct MemoryAccount {
  Account kind = Account::Administrator;
  std::string name;
  std::string sid;
  // What the token names as owner of what it creates: an elevated
  // administrator's objects belong to the administrators' group.
  std::string owner;
  // The token's identities, its own SID among them.
  std::vector<std::string> groups;

  bool Elevated() const { return kind != Account::StandardUser; }
  bool Holds(const std::string& identity) const {
    return std::find(groups.begin(), groups.end(), identity) != groups.end();
  }
};

inline MemoryAccount ElevatedAdministrator(std::string name = "administrador",
                                           std::string sid = "S-1-5-21-1004-500") {
  return {Account::Administrator, std::move(name), sid, "BA", {"BA", "BU", "AU", "WD", sid}};
}

inline MemoryAccount StandardUser(std::string name = "topografo",
                                  std::string sid = "S-1-5-21-1004-1001") {
  return {Account::StandardUser, std::move(name), sid, sid, {"BU", "AU", "WD", sid}};
}

inline MemoryAccount SecondStandardUser() { return StandardUser("desenhista", "S-1-5-21-1004-1002"); }

inline MemoryAccount SystemAccount() {
  return {Account::SystemAccount, "SYSTEM", "SY", "SY", {"SY", "BA", "AU", "WD"}};
}

}  // namespace platform
