#pragma once
// Text for the pictures, rasterised with FreeType from Debian's DejaVu faces
// (fonts-dejavu-core). Text becomes a coverage mask like any other shape, so
// outlines, shadows and gradients work the same way on letters.

#include <string>

#include "Canvas.h"

enum class Face { Bold, Condensed, BoldOblique, Regular };

struct TextStyle {
  Face face = Face::Bold;
  float size = 24;       // pixels per em, horizontally
  float stretch = 1.0f;  // vertical size = size * stretch (tall digits)
  float tracking = 0;    // extra pixels between letters
};

enum class Align { Left, Centre, Right };

float TextWidth(const TextStyle& style, const std::string& utf8);
// Height of a capital letter above the baseline, in pixels.
float CapHeight(const TextStyle& style);
// Text on a baseline; x is the left edge, the centre or the right edge.
Mask TextMask(const TextStyle& style, const std::string& utf8, float x, float baseline, Align align = Align::Left);
// Text whose capitals are centred vertically on cy.
Mask TextAt(const TextStyle& style, const std::string& utf8, float x, float cy, Align align = Align::Left);
