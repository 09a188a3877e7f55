// Tokenizer for the "bin " encoding: each token is a little-endian 16-bit
// code, some followed by a payload (names, strings, integers, GUIDs and
// whole lists of integers or floats).

#include <cstdio>

#include "gfx/XTokenizer.h"

namespace {

enum : uint16_t {
  kName = 1, kString = 2, kInteger = 3, kGuid = 5, kIntegerList = 6, kFloatList = 7,
  kOpenBrace = 10, kCloseBrace = 11, kOpenParen = 12, kDot = 18, kComma = 19, kSemicolon = 20,
  kTemplate = 31, kFirstKeyword = 40, kLastKeyword = 52,
};

class BinaryTokenizer final : public XTokenizer {
 public:
  BinaryTokenizer(std::span<const uint8_t> data, uint32_t floatSize, const XSource& source)
      : data_(data), floatSize_(floatSize), source_(source) {}

  XToken Next() override {
    XToken token;
    token.position = static_cast<uint32_t>(pos_);
    if (pos_ == data_.size()) return token;
    uint16_t code = Word();
    switch (code) {
      case kName: token.kind = XTokenKind::Name; token.text = Text(); break;
      case kString:
        token.kind = XTokenKind::String;
        token.text = Text();
        if (uint16_t end = Word(); end != kSemicolon && end != kComma) Bad(token, end);
        break;
      case kInteger: token.kind = XTokenKind::Integer; token.number = Dword(); break;
      case kGuid: token.kind = XTokenKind::Guid; Take(16); break;
      case kIntegerList: List(token, XTokenKind::IntegerList, 4); break;
      case kFloatList: List(token, XTokenKind::FloatList, floatSize_); break;
      case kOpenBrace: token.kind = XTokenKind::OpenBrace; break;
      case kCloseBrace: token.kind = XTokenKind::CloseBrace; break;
      case kComma: case kSemicolon: token.kind = XTokenKind::Separator; break;
      case kTemplate: token.kind = XTokenKind::Template; break;
      default:
        if ((code >= kOpenParen && code <= kDot) || (code >= kFirstKeyword && code <= kLastKeyword)) {
          token.kind = XTokenKind::Other;
        } else {
          Bad(token, code);
        }
    }
    return token;
  }

 private:
  [[noreturn]] void Bad(const XToken& token, uint16_t code) const {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", code);
    source_.Fail(token.position, std::string("unknown token ") + hex);
  }

  const uint8_t* Take(size_t bytes) {
    if (bytes > data_.size() - pos_) {
      source_.Fail(static_cast<uint32_t>(pos_), "token runs past the end of the file");
    }
    const uint8_t* p = data_.data() + pos_;
    pos_ += bytes;
    return p;
  }
  uint16_t Word() {
    const uint8_t* p = Take(2);
    return static_cast<uint16_t>(p[0] | p[1] << 8);
  }
  uint32_t Dword() { return ReadLE32(Take(4)); }
  std::string_view Text() {
    uint32_t length = Dword();
    return {reinterpret_cast<const char*>(Take(length)), length};
  }
  void List(XToken& token, XTokenKind kind, uint32_t elementSize) {
    token.kind = kind;
    token.count = Dword();
    token.floatSize = floatSize_;
    token.list = Take(size_t{token.count} * elementSize);
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  uint32_t floatSize_;
  const XSource& source_;
};

}  // namespace

std::unique_ptr<XTokenizer> MakeBinaryTokenizer(std::span<const uint8_t> data, uint32_t floatSize,
                                                const XSource& source) {
  return std::make_unique<BinaryTokenizer>(data, floatSize, source);
}
