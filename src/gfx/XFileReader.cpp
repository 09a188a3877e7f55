// Entry points of the X-file reader: the 16-byte header picks the encoding,
// then tokens -> object tree -> scene.

#include <cstring>
#include <fstream>
#include <iterator>

#include "gfx/MsZip.h"
#include "gfx/XObjectTree.h"
#include "gfx/XSceneBuilder.h"
#include "util/NativePath.h"

namespace {

constexpr size_t kHeaderSize = 16;

struct Header {
  XEncoding encoding;
  uint32_t floatBits;
};

Header ReadHeader(std::span<const uint8_t> bytes, const XSource& source) {
  if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), "xof ", 4) != 0) {
    source.Fail("not an X file (no \"xof \" header)");
  }
  auto field = [&](size_t at) { return std::string(reinterpret_cast<const char*>(bytes.data()) + at, 4); };
  Header header{};
  std::string format = field(8);
  if (format == "txt ") header.encoding = XEncoding::Text;
  else if (format == "bin ") header.encoding = XEncoding::Binary;
  else if (format == "tzip") header.encoding = XEncoding::CompressedText;
  else if (format == "bzip") header.encoding = XEncoding::CompressedBinary;
  else source.Fail("unknown X-file format '" + format + "'");
  std::string floatSize = field(12);
  if (floatSize == "0032") header.floatBits = 32;
  else if (floatSize == "0064") header.floatBits = 64;
  else source.Fail("unknown float size '" + floatSize + "'");
  return header;
}

}  // namespace

const char* EncodingName(XEncoding encoding) {
  switch (encoding) {
    case XEncoding::Text: return "txt";
    case XEncoding::Binary: return "bin";
    case XEncoding::CompressedText: return "tzip";
    case XEncoding::CompressedBinary: return "bzip";
  }
  return "";
}

XScene ParseXFile(std::span<const uint8_t> bytes, const std::string& name) {
  XSource source{name, true, 0};
  Header header = ReadHeader(bytes, source);
  std::span<const uint8_t> body = bytes.subspan(kHeaderSize);
  bool compressed = header.encoding == XEncoding::CompressedText || header.encoding == XEncoding::CompressedBinary;
  bool text = header.encoding == XEncoding::Text || header.encoding == XEncoding::CompressedText;
  std::vector<uint8_t> inflated;
  if (compressed) {
    inflated = InflateMsZip(body, source);
    body = inflated;
  }
  source.text = text;
  // Offsets in an inflated stream count from the end of the 16-byte header,
  // as they do in a plain binary file.
  source.offsetBase = kHeaderSize;
  auto tokens = text ? MakeTextTokenizer(body, source) : MakeBinaryTokenizer(body, header.floatBits / 8, source);
  std::vector<XObject> objects = ParseXObjects(*tokens, source);

  XScene scene;
  scene.encoding = header.encoding;
  scene.floatBits = header.floatBits;
  BuildXScene(objects, source, scene);
  return scene;
}

XScene ReadXFile(const std::string& path) {
  std::ifstream file(NativePath(path), std::ios::binary);
  if (!file) throw XFileError(path + ": cannot open file");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw XFileError(path + ": cannot read file");
  return ParseXFile(bytes, path);
}
