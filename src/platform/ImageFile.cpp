#include <filesystem>
#include "platform/ImageFile.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "util/NativePath.h"

namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace

std::optional<Image> LoadImageFile(const std::string& path) {
  SurfacePtr loaded(IMG_Load(NativePath(path).c_str()));
  if (!loaded) return std::nullopt;
  return ImageFromSurface(loaded.get());
}

std::optional<EncodedImage> ReadPngFile(const std::string& path) {
  std::ifstream file(NativePath(path), std::ios::binary);
  EncodedImage encoded;
  encoded.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  // The signature, then the IHDR chunk: length 13, its name, width and height big-endian.
  static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  const std::vector<uint8_t>& b = encoded.bytes;
  if (b.size() < 33 || std::memcmp(b.data(), kSignature, sizeof kSignature) != 0) return std::nullopt;
  auto bigEndian = [&b](size_t at) { return b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]; };
  encoded.width = bigEndian(16);
  encoded.height = bigEndian(20);
  if (encoded.width <= 0 || encoded.height <= 0) return std::nullopt;
  return encoded;
}

std::optional<Image> DecodeImage(const std::vector<uint8_t>& bytes) {
  SurfacePtr loaded(IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
  if (!loaded) return std::nullopt;
  return ImageFromSurface(loaded.get());
}

std::optional<Image> ImageFromSurface(SDL_Surface* surface) {
  SurfacePtr argb(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) return std::nullopt;

  Image image;
  image.width = argb->w;
  image.height = argb->h;
  image.argb.resize(static_cast<size_t>(image.width) * image.height);
  const auto* bytes = static_cast<const uint8_t*>(argb->pixels);
  for (int y = 0; y < image.height; ++y)
    std::memcpy(&image.argb[static_cast<size_t>(y) * image.width], bytes + y * argb->pitch,
                static_cast<size_t>(image.width) * 4);
  return image;
}

bool SavePng(const std::string& path, const Image& image, PngAlpha alpha) {
  const bool keep = alpha == PngAlpha::Keep;
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(
      0, image.width, image.height, keep ? 32 : 24,
      keep ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB24));
  if (!surface) return false;
  auto* bytes = static_cast<uint8_t*>(surface->pixels);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = bytes + y * surface->pitch;
    if (keep) {
      std::memcpy(row, &image.argb[static_cast<size_t>(y) * image.width],
                  static_cast<size_t>(image.width) * 4);
      continue;
    }
    for (int x = 0; x < image.width; ++x) {
      uint32_t p = image.At(x, y);
      row[3 * x + 0] = static_cast<uint8_t>(p >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(p);
    }
  }
  return IMG_SavePNG(surface.get(), NativePath(path).c_str()) == 0;
}

bool SaveScreenshot(const std::string& path, const Image& image) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(NativePath(path)).parent_path(), ignored);
  return SavePng(path, image);
}

uint32_t TextureSideFor(uint32_t imageSide) {
  uint32_t side = 1;
  while (side < imageSide) side <<= 1;
  return side;
}
