#pragma once
// Tokens of an X file's body (after the 16-byte header). The text and binary
// encodings carry the same grammar, so both tokenizers produce the same
// tokens and one parser builds the object tree from either.

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

#include "gfx/XFileError.h"

enum class XTokenKind : uint8_t {
  End,
  Name,         // identifier or object name
  String,       // quoted string value
  Integer,
  Float,
  IntegerList,  // binary only: `count` little-endian 32-bit words at `list`
  FloatList,    // binary only: `count` floats of `floatSize` bytes at `list`
  Guid,
  OpenBrace,
  CloseBrace,
  Separator,    // ';' or ','
  Template,
  Other,        // punctuation and keywords that only occur in templates
};

struct XToken {
  XTokenKind kind = XTokenKind::End;
  uint32_t position = 0;  // line (text) or offset (binary)
  std::string_view text;  // Name, String
  double number = 0;      // Integer, Float
  const uint8_t* list = nullptr;
  uint32_t count = 0;
  uint32_t floatSize = 4;
};

inline uint32_t ReadLE32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// Element i of a binary list token, as a number.
inline double ListElement(const XToken& token, uint32_t i) {
  if (token.kind == XTokenKind::IntegerList) return ReadLE32(token.list + 4 * size_t{i});
  const uint8_t* p = token.list + size_t{token.floatSize} * i;
  if (token.floatSize == 8) {
    uint64_t bits = uint64_t{ReadLE32(p)} | uint64_t{ReadLE32(p + 4)} << 32;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }
  uint32_t bits = ReadLE32(p);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

class XTokenizer {
 public:
  virtual ~XTokenizer() = default;
  virtual XToken Next() = 0;
};

// The data must outlive the tokenizer; tokens point into it.
std::unique_ptr<XTokenizer> MakeTextTokenizer(std::span<const uint8_t> data, const XSource& source);
std::unique_ptr<XTokenizer> MakeBinaryTokenizer(std::span<const uint8_t> data, uint32_t floatSize,
                                                const XSource& source);
