#include <windows.h>

#include "platform/win32/process_token.h"

namespace platform {
namespace {

// The token of this process, closed when it goes.
class ProcessToken {
 public:
  ProcessToken() {
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token_)) token_ = nullptr;
  }
  ~ProcessToken() {
    if (token_) CloseHandle(token_);
  }
  ProcessToken(const ProcessToken&) = delete;
  ProcessToken& operator=(const ProcessToken&) = delete;

  HANDLE handle() const { return token_; }

 private:
  HANDLE token_ = nullptr;
};

std::vector<unsigned char> UserSid(HANDLE token) {
  // TOKEN_USER followed by the SID it points to; SECURITY_MAX_SID_SIZE bounds it.
  alignas(TOKEN_USER) unsigned char user[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE] = {};
  DWORD size = 0;
  if (!token || !GetTokenInformation(token, TokenUser, user, sizeof user, &size)) return {};
  const PSID sid = reinterpret_cast<TOKEN_USER*>(user)->User.Sid;
  const auto* bytes = static_cast<const unsigned char*>(sid);
  return {bytes, bytes + GetLengthSid(sid)};
}

}  // namespace

Account AccountOfThisProcess() {
  const ProcessToken token;
  auto user = UserSid(token.handle());
  if (!user.empty() && IsWellKnownSid(user.data(), WinLocalSystemSid)) return Account::SystemAccount;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (token.handle() &&
      GetTokenInformation(token.handle(), TokenElevation, &elevation, sizeof elevation, &size) &&
      elevation.TokenIsElevated != 0) {
    return Account::Administrator;
  }
  return Account::StandardUser;
}

std::vector<unsigned char> UserSidOfThisProcess() {
  const ProcessToken token;
  return UserSid(token.handle());
}

}  // namespace platform
