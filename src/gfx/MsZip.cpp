#include "gfx/MsZip.h"

#include <zlib.h>

#include <algorithm>

#include "gfx/XTokenizer.h"

namespace {

constexpr size_t kWindow = 32768;
// Far beyond any model; keeps a hostile size field from exhausting memory.
constexpr uint32_t kMaxInflated = 256u << 20;

class RawInflater {
 public:
  RawInflater() {
    if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK) throw XFileError("zlib could not start");
  }
  ~RawInflater() { inflateEnd(&stream_); }
  RawInflater(const RawInflater&) = delete;
  RawInflater& operator=(const RawInflater&) = delete;

  // Inflates one complete deflate stream into out (exactly outSize bytes).
  bool Block(std::span<const uint8_t> in, std::span<const uint8_t> dictionary, uint8_t* out,
             size_t outSize) {
    if (inflateReset(&stream_) != Z_OK) return false;
    if (!dictionary.empty() &&
        inflateSetDictionary(&stream_, dictionary.data(), static_cast<uInt>(dictionary.size())) != Z_OK) {
      return false;
    }
    stream_.next_in = const_cast<Bytef*>(in.data());
    stream_.avail_in = static_cast<uInt>(in.size());
    stream_.next_out = out;
    stream_.avail_out = static_cast<uInt>(outSize);
    int result = inflate(&stream_, Z_FINISH);
    return result == Z_STREAM_END && stream_.avail_out == 0;
  }

 private:
  z_stream stream_{};
};

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

std::vector<uint8_t> InflateMsZip(std::span<const uint8_t> data, const XSource& source) {
  if (data.size() < 4) source.Fail("compressed file is truncated");
  uint32_t total = ReadLE32(data.data());
  if (total < 16 || total - 16 > kMaxInflated) source.Fail("bad inflated size in compressed file");
  const size_t expected = total - 16;

  std::vector<uint8_t> out;
  RawInflater inflater;
  size_t pos = 4;
  while (pos < data.size()) {
    if (data.size() - pos < 6) source.Fail("compressed block header is truncated");
    uint16_t inflatedSize = Word(&data[pos]);
    uint16_t packedSize = Word(&data[pos + 2]);
    if (packedSize < 2 || data[pos + 4] != 'C' || data[pos + 5] != 'K') {
      source.Fail("bad compressed block header at byte " + std::to_string(pos + 16));
    }
    if (size_t{packedSize} > data.size() - pos - 4) source.Fail("compressed block is truncated");
    if (out.size() + inflatedSize > expected) source.Fail("compressed blocks exceed the stated size");
    size_t start = out.size();
    out.resize(start + inflatedSize);
    std::span<const uint8_t> dictionary(out.data() + start - std::min(start, kWindow),
                                        std::min(start, kWindow));
    std::span<const uint8_t> packed(&data[pos + 6], packedSize - 2u);
    if (!inflater.Block(packed, dictionary, out.data() + start, inflatedSize)) {
      source.Fail("compressed block at byte " + std::to_string(pos + 16) + " does not inflate");
    }
    pos += 4 + size_t{packedSize};
  }
  if (out.size() != expected) source.Fail("compressed data is shorter than its stated size");
  return out;
}
