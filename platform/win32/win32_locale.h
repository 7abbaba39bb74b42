#pragma once
// Windows' own locale data.
#include "platform/locale.h"

namespace platform {

class Win32Locale : public Locale {
 public:
  std::uint32_t SystemDefaultLocale() override;
  std::uint32_t UserDefaultLocale() override;
  std::uint32_t AnsiCodePage() override;
  bool IsCodePageInstalled(std::uint32_t code_page) override;
  std::optional<std::string> LocaleInfo(std::uint32_t lcid, std::uint32_t lctype) override;
  std::optional<std::uint32_t> FontSignatureCodePages(std::uint32_t lcid) override;
  void SetThreadLocale(std::uint32_t lcid) override;
  bool IsDoubleByteSystem() override;
};

}  // namespace platform
