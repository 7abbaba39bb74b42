#pragma once
// A list of text lines whose changes its owner hears of (list boxes, rich
// edits and radio groups show one).
#include <functional>
#include <string>
#include <vector>

namespace ui {

class StringList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int index) const { return lines_.at(index); }
  const std::vector<std::string>& Lines() const { return lines_; }

  void Set(int index, const std::string& text);
  void Add(const std::string& text);
  void Assign(std::vector<std::string> lines);
  void Clear();
  // Lines joined by carriage return and line feed, each line ended by one.
  std::string Text() const;
  void SetText(const std::string& text);

  // Changes inside an update bracket are announced once, at its end.
  void BeginUpdate() { ++update_depth_; }
  void EndUpdate();

  std::function<void()> on_change;

 private:
  void Changed();

  std::vector<std::string> lines_;
  int update_depth_ = 0;
  bool pending_ = false;
};

}  // namespace ui
