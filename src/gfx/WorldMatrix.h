#pragma once
// The world matrix models are drawn with: scale, then the rotations named by
// a rotation-order code, then the translation.
//
// Order codes: 1 x, 2 y, 3 z, 4 x-y, 5 x-z, 6 y-x, 7 y-z, 8 z-x, 9 z-y,
// 10 x-y-z, 11 x-z-y, 12 y-x-z, 13 y-z-x, 14 z-x-y, 15 z-y-x (applied in the
// order listed); any other code rotates nothing.

#include "gfx/Math3D.h"

// Angles in radians, taken from `rotation` by axis.
Matrix ComposeWorldMatrix(Vec3 position, Vec3 scale, Vec3 rotation, int order);
