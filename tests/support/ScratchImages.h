#pragma once
// Pictures made on the spot: painted pixel by pixel and written as small PNG
// files into the test's temporary folder, so tests that need an image of a
// given size or content make it instead of shipping one.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ImageFile.h"

// A picture whose pixel (x, y) is colourAt(x, y), in ARGB.
inline Image Paint(int width, int height, const std::function<uint32_t(int, int)>& colourAt) {
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.argb.push_back(colourAt(x, y));
  return image;
}

inline std::string WriteScratchImage(const std::string& name, const Image& image) {
  // Unique per process and test: ctest runs tests of several trees side by side.
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string path = ::testing::TempDir() + "vexhop-" + std::to_string(getpid()) + "-" +
                     (test ? test->name() : "") + "-" + name;
  EXPECT_TRUE(SavePng(path, image, PngAlpha::Keep)) << path;
  return path;
}

inline std::string WriteScratchPng(const std::string& name, int width, int height, uint32_t argb = 0xFFFFFFFF) {
  return WriteScratchImage(name, Paint(width, height, [argb](int, int) { return argb; }));
}
