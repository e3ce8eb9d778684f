// sheet: every item of a graphics set on one PNG, each with its number, for looking at the art.

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "core/file_bytes.h"
#include "render/set_file.h"

namespace krattle::cli {

namespace {

// 3x5 digits, one row of three bits per line, enough to number items without a font set.
constexpr unsigned char kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};

constexpr int kPad = 6;
constexpr int kLabel = 2;  // label pixel size
constexpr int kLabelHeight = 5 * kLabel + 4;

struct Sheet {
  int Width, Height;
  std::vector<unsigned char> Rgb;
  void Put(int x, int y, std::uint32_t c) {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return;
    unsigned char* p = &Rgb[(std::size_t(y) * Width + x) * 3];
    p[0] = c >> 16;
    p[1] = c >> 8;
    p[2] = c;
  }
};

void DrawNumber(Sheet& s, int x, int y, int n) {
  const std::string text = std::to_string(n);
  for (char ch : text) {
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 3; ++c)
        if (kDigits[ch - '0'][r] & (4 >> c))
          for (int dy = 0; dy < kLabel; ++dy)
            for (int dx = 0; dx < kLabel; ++dx)
              s.Put(x + c * kLabel + dx, y + r * kLabel + dy, 0xE0E0E0);
    x += 4 * kLabel;
  }
}

struct Placed {
  int X, Y;
};

}  // namespace

int SheetCommand(const Args& args) {
  std::string in, out;
  long scale = 1;
  bool black = false;
  long first = 0, last = 1 << 20, columns = 16;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--scale" && i + 1 < args.size()) {
      if (!ParseInt(args[++i], 1, 8, scale)) {
        std::fprintf(stderr, "krattle-cli sheet: --scale must be 1..8\n");
        return 2;
      }
    } else if (args[i] == "--items" && i + 2 < args.size()) {
      if (!ParseInt(args[i + 1], 0, 1 << 20, first) || !ParseInt(args[i + 2], 0, 1 << 20, last)) {
        std::fprintf(stderr, "krattle-cli sheet: --items takes two item numbers\n");
        return 2;
      }
      i += 2;
    } else if (args[i] == "--columns" && i + 1 < args.size()) {
      if (!ParseInt(args[++i], 1, 64, columns)) {
        std::fprintf(stderr, "krattle-cli sheet: --columns must be 1..64\n");
        return 2;
      }
    } else if (args[i] == "--black") {
      black = true;
    } else if (in.empty()) {
      in = args[i];
    } else if (out.empty()) {
      out = args[i];
    } else {
      in.clear();
      break;
    }
  }
  if (in.empty() || out.empty()) {
    std::fprintf(stderr,
                 "usage: krattle-cli sheet SET.kgf OUT.png [--scale N] [--black] "
                 "[--items FIRST LAST] [--columns N]\n");
    return 2;
  }
  ImageList list;
  if (auto res = LoadImageList(in, 0, list); !res.Ok) {
    std::fprintf(stderr, "krattle-cli sheet: %s\n", res.Message.c_str());
    return 1;
  }
  // Keep only the chosen numbers, remembering each one's own number for its label.
  std::vector<int> numbers;
  std::vector<ImageItem> chosen;
  for (std::size_t n = 0; n < list.Items.size(); ++n)
    if (long(n) >= first && long(n) <= last) {
      numbers.push_back(int(n));
      chosen.push_back(std::move(list.Items[n]));
    }
  list.Items = std::move(chosen);
  const int k = int(scale);
  int widest = 0, tile = 0;
  for (const auto& item : list.Items) {
    widest = std::max(widest, item.Pic.Width * k);
    if (item.Pic.Width <= 64) tile = std::max(tile, item.Pic.Width * k);
  }
  const int perRow = std::min<int>(int(columns), int(list.Items.size()));
  const int width = std::max(widest, perRow * (std::max(tile, 4 * kLabel * 3) + kPad)) + kPad;

  // Shelf layout: items in number order, a new row when the next one does not fit.
  std::vector<Placed> at;
  int x = kPad, y = kPad, rowHeight = 0;
  for (const auto& item : list.Items) {
    const int w = std::max(item.Pic.Width * k, 4 * kLabel * 3), h = item.Pic.Height * k;
    if (x + w + kPad > width) {
      x = kPad;
      y += rowHeight + kLabelHeight + kPad;
      rowHeight = 0;
    }
    at.push_back({x, y});
    x += w + kPad;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = y + rowHeight + kLabelHeight + kPad;
  if (std::size_t(width) * height > (64u << 20)) {
    std::fprintf(stderr, "krattle-cli sheet: the sheet would be too large\n");
    return 1;
  }
  Sheet s{width, height, std::vector<unsigned char>(std::size_t(width) * height * 3, 0x18)};
  for (std::size_t n = 0; n < list.Items.size(); ++n) {
    const auto& item = list.Items[n];
    for (int py = 0; py < item.Pic.Height * k; ++py)
      for (int px = 0; px < item.Pic.Width * k; ++px) {
        std::uint32_t c = item.Pic.At(px / k, py / k);
        if (item.Transparent && c == item.TransparentColor)
          c = black ? 0 : (((px >> 2) ^ (py >> 2)) & 1 ? 0x3A3A3A : 0x2A2A2A);
        s.Put(at[n].X + px, at[n].Y + py, c);
      }
    DrawNumber(s, at[n].X, at[n].Y + item.Pic.Height * k + 3, numbers[n]);
  }
  // Encoded in memory and saved whole, so a full disk is reported and never leaves half a PNG.
  std::vector<std::uint8_t> png;
  auto append = [](void* to, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<std::vector<std::uint8_t>*>(to)->insert(
        static_cast<std::vector<std::uint8_t>*>(to)->end(), bytes, bytes + size);
  };
  if (!stbi_write_png_to_func(append, &png, width, height, 3, s.Rgb.data(), width * 3)) {
    std::fprintf(stderr, "krattle-cli sheet: cannot encode the sheet\n");
    return 1;
  }
  if (const IoResult res = WriteFileBytes(out, png); !res.Ok) {
    std::fprintf(stderr, "krattle-cli sheet: %s\n", res.Message.c_str());
    return 1;
  }
  std::printf("%zu items drawn into %s (%dx%d)\n", list.Items.size(), out.c_str(), width, height);
  return 0;
}

}  // namespace krattle::cli
