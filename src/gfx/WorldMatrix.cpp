#include "gfx/WorldMatrix.h"

namespace {

// The axes of each code, in application order; 0 ends the list.
constexpr char kAxes[16][4] = {
    "",    "x",   "y",   "z",   "xy",  "xz",  "yx",  "yz",
    "zx",  "zy",  "xyz", "xzy", "yxz", "yzx", "zxy", "zyx",
};

Matrix RotationAbout(char axis, Vec3 rotation) {
  switch (axis) {
    case 'x': return MatrixRotationX(rotation.x);
    case 'y': return MatrixRotationY(rotation.y);
    default: return MatrixRotationZ(rotation.z);
  }
}

}  // namespace

Matrix ComposeWorldMatrix(Vec3 position, Vec3 scale, Vec3 rotation, int order) {
  Matrix world = MatrixScaling(scale.x, scale.y, scale.z);
  if (order > 0 && order < 16) {
    for (const char* axis = kAxes[order]; *axis; ++axis) world = world * RotationAbout(*axis, rotation);
  }
  return world * MatrixTranslation(position.x, position.y, position.z);
}
