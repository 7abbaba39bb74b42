#pragma once
// The system menu of a translated form's window, as the translator needs it.
// The Windows side reads and rewrites the real menu; tests use MemorySystemMenu.
#include <cstdint>
#include <optional>
#include <string>

namespace ui {

class SystemMenu {
 public:
  virtual ~SystemMenu() = default;

  virtual int ItemCount() = 0;
  virtual bool IsSeparator(int position) = 0;
  // The item's command (SC_SIZE, SC_CLOSE, ...); none when it cannot be read.
  virtual std::optional<std::uint32_t> CommandId(int position) = 0;
  // The item's text in UTF-8; none when it cannot be read.
  virtual std::optional<std::string> Text(int position) = 0;
  // Makes the item a plain text item showing the text, keeping its command.
  virtual void SetText(int position, const std::string& text) = 0;
};

}  // namespace ui
