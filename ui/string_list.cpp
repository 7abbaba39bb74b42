#include "ui/string_list.h"

namespace ui {

void StringList::Set(int index, const std::string& text) {
  if (lines_.at(index) == text) return;
  lines_.at(index) = text;
  Changed();
}

void StringList::Add(const std::string& text) {
  lines_.push_back(text);
  Changed();
}

void StringList::Assign(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  Changed();
}

void StringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

std::string StringList::Text() const {
  std::string text;
  for (const auto& line : lines_) text += line + "\r\n";
  return text;
}

void StringList::SetText(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    line += c;
  }
  if (!line.empty()) lines.push_back(line);
  Assign(std::move(lines));
}

void StringList::EndUpdate() {
  if (update_depth_ > 0) --update_depth_;
  if (update_depth_ == 0 && pending_) {
    pending_ = false;
    if (on_change) on_change();
  }
}

void StringList::Changed() {
  if (update_depth_ > 0) {
    pending_ = true;
    return;
  }
  if (on_change) on_change();
}

}  // namespace ui
