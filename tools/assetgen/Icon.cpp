// The window icon: the hero's face on a round badge, as an ICO file holding
// 16, 32, 48 and 64 pixel images in the classic 32-bit BMP form, which every
// icon loader reads; and the same badge as PNG files for desktop menus.

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Pictures.h"
#include "Style.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

Canvas Badge(int size) {
  Canvas badge(size, size);
  float r = float(size) / 2;
  badge.Fill(Circle(r, r, r - 0.5f), Palette::Ink);
  badge.Fill(Circle(r, r, r - 1.5f), RadialGradient{r * 0.7f, r * 0.6f, r * 1.3f, Hex(0x6A5FD0), Palette::Night});
  Canvas head = GolemHead(size * 15 / 16);
  badge.Draw(head, (size - head.Width()) / 2, (size - head.Height()) / 2 - size / 24);
  return badge;
}

// BITMAPINFOHEADER, bottom-up BGRA rows, then the 1-bit transparency mask.
std::vector<uint8_t> BmpImage(const Canvas& c) {
  int n = c.Width();
  std::vector<uint8_t> out;
  int maskStride = ((n + 31) / 32) * 4;
  Put32(out, 40);
  Put32(out, uint32_t(n));
  Put32(out, uint32_t(2 * n));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, uint32_t(n * n * 4 + maskStride * n));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  std::vector<uint8_t> rgba = c.ToRgba8();
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const uint8_t* p = &rgba[(size_t(y) * n + x) * 4];
      out.insert(out.end(), {p[2], p[1], p[0], p[3]});
    }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(maskStride), 0);
    for (int x = 0; x < n; ++x)
      if (rgba[(size_t(y) * n + x) * 4 + 3] == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

void WriteIcon(const std::string& treeDir) {
  const int sizes[] = {16, 32, 48, 64};
  std::vector<std::vector<uint8_t>> images;
  for (int s : sizes) images.push_back(BmpImage(Badge(s)));
  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, uint16_t(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.push_back(uint8_t(sizes[i]));
    file.push_back(uint8_t(sizes[i]));
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, uint32_t(images[i].size()));
    Put32(file, offset);
    offset += uint32_t(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  std::string path = AssetPath(treeDir, "bin", "game.ico");
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

// The same badge as PNG files for desktop menus, one per hicolor size.
void WriteDesktopIcons(const std::string& treeDir) {
  for (const int size : {32, 48, 64, 128, 256}) {
    WritePng(Badge(size), AssetPath(treeDir, "Icons", "vexhop-" + std::to_string(size) + ".png"));
  }
}
