#include "gfx/XFieldReader.h"

#include <cmath>

const XValue& XFieldReader::Take(const char* expected) {
  if (AtEnd()) Fail(object_.type + " ends before its " + expected);
  return object_.values[next_++];
}

uint32_t XFieldReader::Dword() {
  const XValue& value = Take("integer");
  // Text exporters sometimes write whole numbers with a decimal point.
  if (value.kind == XValueKind::String || value.number < 0 || value.number > 4294967295.0 ||
      value.number != std::floor(value.number)) {
    source_.Fail(value.position, "expected an unsigned integer in " + object_.type);
  }
  return static_cast<uint32_t>(value.number);
}

float XFieldReader::Float() {
  const XValue& value = Take("number");
  if (value.kind == XValueKind::String) source_.Fail(value.position, "expected a number in " + object_.type);
  return static_cast<float>(value.number);
}

const std::string& XFieldReader::String() {
  const XValue& value = Take("string");
  if (value.kind != XValueKind::String) source_.Fail(value.position, "expected a string in " + object_.type);
  return object_.strings[static_cast<size_t>(value.number)];
}

Matrix XFieldReader::Matrix4x4() {
  Matrix m;
  for (auto& row : m.m)
    for (float& cell : row) cell = Float();
  return m;
}

Vec3 XFieldReader::Vector() {
  Vec3 v;
  v.x = Float();
  v.y = Float();
  v.z = Float();
  return v;
}

Color4 XFieldReader::ColorRGBA() {
  Color4 c = ColorRGB();
  c.a = Float();
  return c;
}

Color4 XFieldReader::ColorRGB() {
  Color4 c;
  c.r = Float();
  c.g = Float();
  c.b = Float();
  c.a = 1;
  return c;
}

uint32_t XFieldReader::Count(uint32_t valuesPerItem) {
  uint32_t position = Position();
  uint32_t count = Dword();
  if (uint64_t{count} * valuesPerItem > Remaining()) {
    source_.Fail(position, object_.type + " count " + std::to_string(count) + " exceeds the data given");
  }
  return count;
}

uint32_t XFieldReader::Index(uint32_t limit, const char* what) {
  uint32_t position = Position();
  uint32_t index = Dword();
  if (index >= limit) {
    source_.Fail(position, std::string(what) + " " + std::to_string(index) + " out of range (" +
                               std::to_string(limit) + ") in " + object_.type);
  }
  return index;
}

uint32_t XFieldReader::Position() const {
  return AtEnd() ? object_.position : object_.values[next_].position;
}

void XFieldReader::Fail(const std::string& message) const { source_.Fail(Position(), message); }
