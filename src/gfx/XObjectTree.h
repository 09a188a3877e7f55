#pragma once
// The data objects of an X file as a tree, before any meaning is given to
// them. Separators are dropped: an object keeps its values (numbers and
// strings, in order) and its children (nested objects and `{ name }`
// references, in order). Template declarations are skipped.

#include <string>
#include <vector>

#include "gfx/XTokenizer.h"

enum class XValueKind : uint8_t { Integer, Float, String };

struct XValue {
  double number = 0;  // the number, or an index into XObject::strings
  uint32_t position = 0;
  XValueKind kind = XValueKind::Integer;
};

struct XObject {
  std::string type;  // template name, e.g. "Mesh"; empty for a reference
  std::string name;  // object name, or the name a reference points to
  uint32_t position = 0;
  std::vector<XValue> values;
  std::vector<std::string> strings;
  std::vector<XObject> children;

  bool IsReference() const { return type.empty(); }
};

// Reads every top-level data object until the tokens end.
std::vector<XObject> ParseXObjects(XTokenizer& tokens, const XSource& source);
