#pragma once
// Image files as the devices need them: decoded to ARGB pixels (PNG, BMP, TGA
// and whatever else SDL_image reads) and written back as PNG for screenshots.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SDL_Surface;

struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;  // row by row from the top

  uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
};

// Null when the file is missing or not an image. Paths may use '\' or '/'.
std::optional<Image> LoadImageFile(const std::string& path);

// An image file read but not yet decoded: its bytes, and the size its header
// gives.
struct EncodedImage {
  std::vector<uint8_t> bytes;
  int width = 0, height = 0;
};

// The bytes and size of a PNG file whose header reads well; null for a
// missing file or any other format (those are decoded at once instead).
std::optional<EncodedImage> ReadPngFile(const std::string& path);
// Null when the bytes are not an image SDL_image can decode.
std::optional<Image> DecodeImage(const std::vector<uint8_t>& bytes);

// The surface's pixels converted to ARGB; null when SDL cannot convert them.
std::optional<Image> ImageFromSurface(SDL_Surface* surface);

// Screenshots drop the alpha channel (a back buffer's alpha is not part of
// the picture); pictures made to be loaded as textures keep it.
enum class PngAlpha { Drop, Keep };

// False when the file cannot be written.
bool SavePng(const std::string& path, const Image& image, PngAlpha alpha = PngAlpha::Drop);

// A screenshot: its folder is made first when missing.
bool SaveScreenshot(const std::string& path, const Image& image);

// The texture side the loader creates for an image side: the next power of two.
uint32_t TextureSideFor(uint32_t imageSide);
