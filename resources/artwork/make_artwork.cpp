// Draws the installer's pictures: the application icon (32 x 32, 16 colours),
// the main window's logo (452 x 371, 32-bit with all-or-nothing alpha) and the
// restart prompt's side picture (117 x 255, 24-bit). Run by the build:
//   make_artwork <output folder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), pixels_(w * h) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  Rgba& At(int x, int y) { return pixels_[y * w_ + x]; }
  template <typename Inside>
  void Fill(Rgba color, Inside inside) {
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        if (inside(x + 0.5, y + 0.5)) At(x, y) = color;
  }

 private:
  int w_, h_;
  std::vector<Rgba> pixels_;
};

bool InCircle(double x, double y, double cx, double cy, double r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

bool InRing(double x, double y, double cx, double cy, double r, double width) {
  double d = std::hypot(x - cx, y - cy);
  return d <= r && d >= r - width;
}

// Distance from a point to a segment, for drawing thick lines.
bool NearSegment(double x, double y, double x1, double y1, double x2, double y2, double half) {
  double dx = x2 - x1, dy = y2 - y1;
  double t = ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy);
  t = std::fmax(0, std::fmin(1, t));
  return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy)) <= half;
}

bool InRect(double x, double y, double left, double top, double right, double bottom) {
  return x >= left && x < right && y >= top && y < bottom;
}

void Put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void Put32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(char((v >> (8 * i)) & 0xFF));
}

void PutInfoHeader(std::ofstream& out, int w, int h, int bits, std::uint32_t image_size, int colors) {
  Put32(out, 40);
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);
  Put32(out, image_size);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, colors);
  Put32(out, 0);
}

void WriteBmp(const std::string& path, Canvas& c, int bits) {
  int row = ((c.Width() * bits / 8) + 3) / 4 * 4;
  std::uint32_t size = row * c.Height();
  std::ofstream out(path, std::ios::binary);
  out.put('B').put('M');
  Put32(out, 14 + 40 + size);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, c.Width(), c.Height(), bits, size, 0);
  for (int y = c.Height() - 1; y >= 0; --y) {
    int written = 0;
    for (int x = 0; x < c.Width(); ++x) {
      Rgba p = c.At(x, y);
      out.put(char(p.b)).put(char(p.g)).put(char(p.r));
      written += 3;
      if (bits == 32) {
        out.put(char(p.a));
        ++written;
      }
    }
    for (; written < row; ++written) out.put(0);
  }
}

// The standard 16-colour palette, so the icon needs no palette of its own.
const Rgba kPalette[16] = {
    {0, 0, 0, 255},       {128, 0, 0, 255},     {0, 128, 0, 255},   {128, 128, 0, 255},
    {0, 0, 128, 255},     {128, 0, 128, 255},   {0, 128, 128, 255}, {192, 192, 192, 255},
    {128, 128, 128, 255}, {255, 0, 0, 255},     {0, 255, 0, 255},   {255, 255, 0, 255},
    {0, 0, 255, 255},     {255, 0, 255, 255},   {0, 255, 255, 255}, {255, 255, 255, 255}};

int Nearest(Rgba p) {
  int best = 0;
  long best_d = 1L << 30;
  for (int i = 0; i < 16; ++i) {
    long dr = p.r - kPalette[i].r, dg = p.g - kPalette[i].g, db = p.b - kPalette[i].b;
    long d = dr * dr + dg * dg + db * db;
    if (d < best_d) best_d = d, best = i;
  }
  return best;
}

void WriteIcon(const std::string& path, Canvas& c) {
  const int w = 32, h = 32;
  const std::uint32_t xor_size = w * h / 2, and_size = 4 * h;
  const std::uint32_t image = 40 + 16 * 4 + xor_size + and_size;
  std::ofstream out(path, std::ios::binary);
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.put(char(w)).put(char(h)).put(16).put(0);
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, image);
  Put32(out, 6 + 16);
  PutInfoHeader(out, w, h * 2, 4, xor_size + and_size, 16);
  for (const Rgba& p : kPalette) out.put(char(p.b)).put(char(p.g)).put(char(p.r)).put(0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; x += 2)
      out.put(char((Nearest(c.At(x, y)) << 4) | Nearest(c.At(x + 1, y))));
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; x += 8) {
      int bits = 0;
      for (int b = 0; b < 8; ++b)
        if (c.At(x + b, y).a == 0) bits |= 0x80 >> b;
      out.put(char(bits));
    }
}

// A total station on its tripod in front of a globe with contour lines.
void DrawSurveyMark(Canvas& c, double scale) {
  auto s = [scale](double v) { return v * scale; };
  const Rgba navy{20, 40, 110, 255}, contour{120, 170, 230, 255}, gold{235, 180, 40, 255},
      silver{215, 215, 220, 255}, dark{40, 40, 45, 255}, white{255, 255, 255, 255};
  double cx = s(226), cy = s(170), r = s(165);
  c.Fill(white, [&](double x, double y) { return InCircle(x, y, cx, cy, r); });
  c.Fill(navy, [&](double x, double y) { return InCircle(x, y, cx, cy, r - s(8)); });
  for (int i = 1; i <= 5; ++i) {
    double rr = (r - s(8)) * i / 6.0;
    c.Fill(contour, [&](double x, double y) {
      double d = std::hypot((x - cx) / 1.0, (y - cy - s(20) * i / 5.0) / 0.62);
      return d <= rr && d >= rr - s(3);
    });
  }
  double top_x = s(226), top_y = s(165);
  c.Fill(gold, [&](double x, double y) {
    return NearSegment(x, y, top_x, top_y, s(120), s(365), s(8)) ||
           NearSegment(x, y, top_x, top_y, s(332), s(365), s(8)) ||
           NearSegment(x, y, top_x, top_y, s(226), s(368), s(7));
  });
  c.Fill(silver, [&](double x, double y) { return InRect(x, y, s(186), s(95), s(266), s(165)); });
  c.Fill(dark, [&](double x, double y) {
    return InRect(x, y, s(196), s(105), s(256), s(130)) || InCircle(x, y, s(226), s(80), s(18));
  });
  c.Fill(silver, [&](double x, double y) { return InRect(x, y, s(214), s(40), s(238), s(80)); });
  c.Fill(dark, [&](double x, double y) { return InCircle(x, y, s(226), s(48), s(7)); });
}

void DrawLogo(Canvas& c) { DrawSurveyMark(c, 1.0); }

void DrawIcon(Canvas& c) {
  const Rgba red{190, 30, 46, 255}, white{255, 255, 255, 255}, yellow{255, 255, 0, 255};
  c.Fill(red, [](double x, double y) { return InCircle(x, y, 16, 16, 15.5); });
  c.Fill(white, [](double x, double y) { return InRing(x, y, 16, 16, 13, 2.5); });
  c.Fill(yellow, [](double x, double y) {
    return NearSegment(x, y, 16, 12, 8, 27, 1.2) || NearSegment(x, y, 16, 12, 24, 27, 1.2) ||
           NearSegment(x, y, 16, 12, 16, 28, 1.0);
  });
  c.Fill(white, [](double x, double y) { return InRect(x, y, 12, 7, 20, 13); });
}

// A computer with discs before a globe, on a blue gradient.
void DrawBootPicture(Canvas& c) {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      c.At(x, y) = Rgba{0, static_cast<std::uint8_t>(40 + y / 4), static_cast<std::uint8_t>(120 + y / 3), 255};
  const Rgba grey{190, 190, 190, 255}, screen{30, 60, 170, 255}, green{40, 150, 80, 255},
      ocean{20, 90, 200, 255}, disc{230, 230, 240, 255}, hole{60, 60, 60, 255};
  c.Fill(ocean, [](double x, double y) { return InCircle(x, y, 58, 60, 44); });
  c.Fill(green, [](double x, double y) {
    return InCircle(x, y, 45, 45, 16) || InCircle(x, y, 72, 75, 14) || InCircle(x, y, 60, 30, 9);
  });
  c.Fill(grey, [](double x, double y) { return InRect(x, y, 14, 120, 104, 190) || InRect(x, y, 44, 190, 74, 202); });
  c.Fill(screen, [](double x, double y) { return InRect(x, y, 22, 128, 96, 182); });
  c.Fill(grey, [](double x, double y) { return InRect(x, y, 20, 202, 98, 212); });
  c.Fill(disc, [](double x, double y) { return InCircle(x, y, 32, 234, 16) || InCircle(x, y, 80, 234, 16); });
  c.Fill(hole, [](double x, double y) { return InCircle(x, y, 32, 234, 4) || InCircle(x, y, 80, 234, 4); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_artwork <output folder>\n");
    return 2;
  }
  std::string folder = argv[1];
  Canvas icon(32, 32);
  DrawIcon(icon);
  WriteIcon(folder + "/geolume.ico", icon);
  Canvas logo(452, 371);
  DrawLogo(logo);
  WriteBmp(folder + "/logo.bmp", logo, 32);
  Canvas boot(117, 255);
  DrawBootPicture(boot);
  WriteBmp(folder + "/boot.bmp", boot, 24);
  return 0;
}
