#pragma once
// Writes small PNG files into the test's temporary folder, so tests that need
// an image of a given size or content make it on the spot instead of
// shipping one.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "platform/ImageFile.h"

inline std::string WriteScratchImage(const std::string& name, const Image& image) {
  // Unique per process and test: ctest runs tests of several trees side by side.
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string path = ::testing::TempDir() + "vexhop-" + std::to_string(getpid()) + "-" +
                     (test ? test->name() : "") + "-" + name;
  EXPECT_TRUE(SavePng(path, image, PngAlpha::Keep)) << path;
  return path;
}

inline std::string WriteScratchPng(const std::string& name, int width, int height,
                                   uint32_t argb = 0xFFFFFFFF) {
  Image image;
  image.width = width;
  image.height = height;
  image.argb.assign(static_cast<size_t>(width) * height, argb);
  return WriteScratchImage(name, image);
}
