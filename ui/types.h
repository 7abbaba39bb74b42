#pragma once
// Small value types shared by every control.
#include <cstdint>
#include <string>

namespace ui {

// An RGB colour, or one of Windows' system colours when kSystemColorFlag is set
// (the low byte then holds the COLOR_ index).
using Color = std::uint32_t;
constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color kColorButtonFace = kSystemColorFlag | 15;  // COLOR_BTNFACE
constexpr Color kColorWindowText = kSystemColorFlag | 8;   // COLOR_WINDOWTEXT

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr Color kColorWhite = Rgb(255, 255, 255);
constexpr Color kColorBlack = Rgb(0, 0, 0);

struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // character height in pixels
  bool bold = false;
  bool italic = false;
  Color color = kColorWindowText;
  int charset = 1;  // DEFAULT_CHARSET

  bool operator==(const Font&) const = default;
};

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Bounds&) const = default;
};

enum class Align { None, Top, Bottom, Left, Right, Client };
enum class TextAlignment { Left, Center, Right };

}  // namespace ui
