#pragma once
// Illustration pieces the full-screen pictures are composed from: stars,
// hills, the golem hero, the key, the door and fireworks. They share the
// palette and ink outlines of the blocks and HUD.

#include <cstdint>

#include "Canvas.h"
#include "Shapes.h"

// Stars scattered above the horizon, fading towards it; the brightest twinkle.
void PaintStars(Canvas& c, float horizonY, int count, uint32_t seed);
// A rolling silhouette whose crest lies near baseY, filled down to the bottom.
void PaintHills(Canvas& c, float baseY, float amplitude, float wavelength, Rgba colour, uint32_t seed);
void PaintCloud(Canvas& c, float cx, float cy, float size, float alpha);
// A row of block tiles with their top-left corner at (x, y); hard tiles where
// `pattern` has 'W', breakable ones where it has '#', gaps elsewhere.
void PaintTiles(Canvas& c, int x, int y, const char* pattern);

enum class GolemPose { Stand, Cheer, Sad };
// The hero, facing the viewer, `height` pixels tall, feet on feetY.
void PaintGolem(Canvas& c, float cx, float feetY, float height, GolemPose pose);
void PaintKey(Canvas& c, float cx, float cy, float length, float angle);
void PaintDoor(Canvas& c, float x, float y, float w, float h, bool open);
void PaintFirework(Canvas& c, float cx, float cy, float radius, Rgba colour, uint32_t seed);
void PaintSparkle(Canvas& c, float cx, float cy, float size);
