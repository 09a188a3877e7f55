#include "gfx/WorldMatrix.h"

#include <cmath>

namespace {

// The axes of each code, in application order; 0 ends the list.
constexpr char kAxes[16][4] = {
    "",    "x",   "y",   "z",   "xy",  "xz",  "yx",  "yz",
    "zx",  "zy",  "xyz", "xzy", "yxz", "yzx", "zxy", "zyx",
};

// m = m * rotation about `axis`, on the upper 3 x 3 alone. Each entry sums
// the same products, in the same order, as the full 4 x 4 product of the
// MatrixRotation matrix would; the products with that matrix's zeros and
// ones are left out, which can change at most the sign of a zero. A zero
// angle turns nothing.
void Rotate(float m[3][3], char axis, float angle) {
  if (angle == 0) return;
  const float c = std::cos(angle), s = std::sin(angle);
  const int p = axis == 'x' ? 1 : 0;  // the two columns the rotation mixes
  const int q = axis == 'z' ? 1 : 2;
  // About y the sine enters the first column positively; about x and z negatively.
  const float sp = axis == 'y' ? s : -s;
  for (int i = 0; i < 3; ++i) {
    const float a = m[i][p], b = m[i][q];
    m[i][p] = a * c + b * sp;
    m[i][q] = a * -sp + b * c;
  }
}

}  // namespace

// Built without 4 x 4 products: every model drawn builds one of these each
// frame. The upper 3 x 3 is the scaling times the rotations; the translation
// only fills the bottom row.
Matrix ComposeWorldMatrix(Vec3 position, Vec3 scale, Vec3 rotation, int order) {
  float upper[3][3] = {{scale.x, 0, 0}, {0, scale.y, 0}, {0, 0, scale.z}};
  if (order > 0 && order < 16) {
    for (const char* axis = kAxes[order]; *axis; ++axis) {
      Rotate(upper, *axis, *axis == 'x' ? rotation.x : *axis == 'y' ? rotation.y : rotation.z);
    }
  }
  Matrix world;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) world.m[i][j] = upper[i][j];
  world.m[3][0] = position.x;
  world.m[3][1] = position.y;
  world.m[3][2] = position.z;
  return world;
}
