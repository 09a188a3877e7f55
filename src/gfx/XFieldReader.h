#pragma once
// Reads the members of one data object in template order, checking each
// value's kind and every count against the values actually there.

#include <string>

#include "gfx/Math3D.h"
#include "gfx/RenderDevice.h"
#include "gfx/XObjectTree.h"

class XFieldReader {
 public:
  XFieldReader(const XObject& object, const XSource& source) : object_(object), source_(source) {}

  uint32_t Dword();
  float Float();
  const std::string& String();
  Matrix Matrix4x4();
  Vec3 Vector();
  Color4 ColorRGBA();
  Color4 ColorRGB();  // alpha 1
  // A count of items that each take at least `valuesPerItem` values;
  // refused when fewer values remain than that many items need.
  uint32_t Count(uint32_t valuesPerItem);
  // A value that must be below `limit` (an index into something of that size).
  uint32_t Index(uint32_t limit, const char* what);

  bool AtEnd() const { return next_ == object_.values.size(); }
  size_t Remaining() const { return object_.values.size() - next_; }
  // Position of the next value, or of the object when none is left.
  uint32_t Position() const;
  [[noreturn]] void Fail(const std::string& message) const;

 private:
  const XValue& Take(const char* expected);

  const XObject& object_;
  const XSource& source_;
  size_t next_ = 0;
};
