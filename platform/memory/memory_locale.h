#pragma once
// Windows' locale data for host tests: settable default locales, ANSI code
// page and installed code pages, and a table of locale facts holding
// realistic data for pt-BR, pt-PT, es-ES (0x040A and 0x0C0A), es-MX, en-US,
// en-GB, de-DE, ru-RU and ja-JP. Defaults: a Brazilian system with code page 1252.
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "platform/locale.h"

namespace platform {

class MemoryLocale : public Locale {
 public:
  MemoryLocale();

  std::uint32_t SystemDefaultLocale() override { return system_default_; }
  std::uint32_t UserDefaultLocale() override { return user_default_; }
  std::uint32_t AnsiCodePage() override { return ansi_code_page_; }
  bool IsCodePageInstalled(std::uint32_t code_page) override;
  std::optional<std::string> LocaleInfo(std::uint32_t lcid, std::uint32_t lctype) override;
  std::optional<std::uint32_t> FontSignatureCodePages(std::uint32_t lcid) override;
  void SetThreadLocale(std::uint32_t lcid) override { thread_locale_ = lcid; }
  bool IsDoubleByteSystem() override { return double_byte_system_; }

  // Test helpers.
  // Sets system and user default locale and the ANSI code page of a system
  // installed in that language (1252, 1251 for Cyrillic, 932 for Japanese).
  void SetSystem(std::uint32_t lcid);
  void SetSystemDefaultLocale(std::uint32_t lcid) { system_default_ = lcid; }
  void SetUserDefaultLocale(std::uint32_t lcid) { user_default_ = lcid; }
  void SetAnsiCodePage(std::uint32_t code_page) { ansi_code_page_ = code_page; }
  void SetCodePageInstalled(std::uint32_t code_page, bool installed);
  void SetDoubleByteSystem(bool double_byte) { double_byte_system_ = double_byte; }
  // Replaces one fact; an empty optional removes it.
  void SetLocaleInfo(std::uint32_t lcid, std::uint32_t lctype, std::optional<std::string> value);
  void SetFontSignature(std::uint32_t lcid, std::uint32_t code_page_bits);
  // Makes Windows know nothing of the locale.
  void RemoveLocale(std::uint32_t lcid);
  std::uint32_t ThreadLocale() const { return thread_locale_; }

 private:
  std::uint32_t system_default_ = 0x0416;
  std::uint32_t user_default_ = 0x0416;
  std::uint32_t ansi_code_page_ = 1252;
  std::uint32_t thread_locale_ = 0x0416;
  bool double_byte_system_ = false;
  std::set<std::uint32_t> installed_code_pages_;
  std::map<std::uint32_t, std::map<std::uint32_t, std::string>> facts_;
  std::map<std::uint32_t, std::uint32_t> font_signatures_;
};

}  // namespace platform
