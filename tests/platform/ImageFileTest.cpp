#include "platform/ImageFile.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "support/ScratchImages.h"

namespace {

TEST(ImageFileTest, PngKeepsAlphaOnRequestAndScreenshotsAreOpaque) {
  Image image;
  image.width = 2;
  image.height = 1;
  image.argb = {0x80FF0000, 0x0000FF00};
  auto kept = LoadImageFile(WriteScratchImage("alpha.png", image));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->argb, image.argb);

  std::string shot = ::testing::TempDir() + "vexhop-shot-" + std::to_string(getpid()) + ".png";
  ASSERT_TRUE(SavePng(shot, image));
  auto opaque = LoadImageFile(shot);
  ASSERT_TRUE(opaque);
  EXPECT_EQ(opaque->At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(opaque->At(1, 0), 0xFF00FF00u);
}

TEST(ImageFileTest, BitmapsLoadOpaqueAndMissingFilesGiveNothing) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(surface, nullptr);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 10, 20, 30));
  std::string bmp = ::testing::TempDir() + "vexhop-picture-" + std::to_string(getpid()) + ".bmp";
  ASSERT_EQ(SDL_SaveBMP(surface, bmp.c_str()), 0);
  SDL_FreeSurface(surface);

  auto loaded = LoadImageFile(bmp);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->width, 3);
  EXPECT_EQ(loaded->height, 2);
  EXPECT_EQ(loaded->At(2, 1), 0xFF0A141Eu);
  EXPECT_FALSE(LoadImageFile(::testing::TempDir() + "no-such-picture.png"));
  EXPECT_FALSE(LoadImageFile(VEXHOP_SOURCE_DIR "/README.md"));
}

}  // namespace

namespace {

// The GL device reads PNG files at load and decodes them when first drawn:
// the header alone gives the size, and the bytes decode to what
// LoadImageFile gives.
TEST(ImageFileTest, PngFilesAreReadWithTheirSizeAndDecodedLater) {
  Image image;
  image.width = 3;
  image.height = 2;
  image.argb = {0x80FF0000, 0x0000FF00, 0xFF0000FF, 0xFF123456, 0x01010101, 0xFFFFFFFF};
  const std::string path = WriteScratchImage("later.png", image);
  std::optional<EncodedImage> encoded = ReadPngFile(path);
  ASSERT_TRUE(encoded);
  EXPECT_EQ(encoded->width, 3);
  EXPECT_EQ(encoded->height, 2);
  std::optional<Image> decoded = DecodeImage(encoded->bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->argb, LoadImageFile(path)->argb);

  // Not a PNG, or no file: not for reading ahead (a bitmap is decoded at once).
  EXPECT_FALSE(ReadPngFile(::testing::TempDir() + "no-such-picture.png"));
  const std::string notPng = ::testing::TempDir() + "vexhop-not-png-" + std::to_string(getpid()) + ".png";
  std::ofstream(notPng, std::ios::binary) << "BM not a png at all, not even close";
  EXPECT_FALSE(ReadPngFile(notPng));
  // A good header over broken data reads, but does not decode.
  encoded->bytes.resize(40);
  EXPECT_FALSE(DecodeImage(encoded->bytes));
}

}  // namespace
