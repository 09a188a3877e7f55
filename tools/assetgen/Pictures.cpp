#include "Pictures.h"

#include <filesystem>

#include "AssetGen.h"

std::string AssetPath(const std::string& treeDir, const std::string& folder, const std::string& file) {
  std::filesystem::path dir = std::filesystem::path(treeDir) / folder;
  std::filesystem::create_directories(dir);
  return (dir / file).string();
}

Bounds CoveredBounds(const Mask& m) {
  Bounds b{m.x0 + m.w, m.y0 + m.h, m.x0, m.y0};
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.a[size_t(y) * m.w + x] > 0.02f) {
        b.x0 = std::min(b.x0, m.x0 + x);
        b.y0 = std::min(b.y0, m.y0 + y);
        b.x1 = std::max(b.x1, m.x0 + x + 1);
        b.y1 = std::max(b.y1, m.y0 + y + 1);
      }
  return b;
}

void WritePictures(const std::string& treeDir) {
  WriteFontAtlases(treeDir);
  WriteHudPictures(treeDir);
  WriteBlockPictures(treeDir);
  WriteMenuPictures(treeDir);
  WriteScreens(treeDir);
  WriteIcon(treeDir);
  WriteDesktopIcons(treeDir);
}
