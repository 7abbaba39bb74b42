#include "i18n/system_menu_translation.h"

#include <array>
#include <utility>

#include "text/utf8.h"

namespace i18n {

namespace {

constexpr std::array<std::pair<std::uint32_t, const char*>, 18> kNativeTexts = {{
    {0xF000, "&Size"},
    {0xF010, "&Move"},
    {0xF020, "Mi&nimize"},
    {0xF030, "Ma&ximize"},
    {0xF040, "&Next"},
    {0xF050, "&Previous"},
    {0xF060, "&Close"},
    {0xF070, "&Vertical Scroll"},
    {0xF080, "&Horizontal Scroll"},
    {0xF090, "&Mouse"},
    {0xF100, "&Key"},
    {0xF110, "&Arrange"},
    {0xF120, "&Restore"},
    {0xF130, "&Task List"},
    {0xF140, "&Screen Saver"},
    {0xF150, "&Hot Key"},
    {0xF160, "&Default"},
    {0xF170, "&Monitor Power"},
}};

// A menu item holds at most 255 characters; the cut never splits one.
constexpr std::size_t kMaximumItemCharacters = 255;

std::string CutToItemLength(const std::string& utf8) {
  return utf8.substr(0, text::AdvanceCharacters(utf8, 0, kMaximumItemCharacters));
}

}  // namespace

std::optional<std::string> SystemMenuNativeText(std::uint32_t command) {
  for (const auto& [id, text] : kNativeTexts) {
    if (id == command) return text;
  }
  return std::nullopt;
}

void TranslateSystemMenu(ui::SystemMenu& menu, const std::function<std::string(const std::string&)>& translate) {
  const int count = menu.ItemCount();
  for (int position = 0; position < count; ++position) {
    if (menu.IsSeparator(position)) continue;
    const std::optional<std::uint32_t> command = menu.CommandId(position);
    const std::optional<std::string> current = menu.Text(position);
    if (!command || !current) continue;
    const std::optional<std::string> native = SystemMenuNativeText(*command);
    if (!native) continue;
    std::string text = translate(*native);
    if (const std::size_t tab = current->find('\t'); tab != std::string::npos) {
      text += '\t' + current->substr(tab + 1);
    }
    menu.SetText(position, CutToItemLength(text));
  }
}

}  // namespace i18n
