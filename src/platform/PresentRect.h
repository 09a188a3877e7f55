#pragma once
// Where the 800 x 600 picture goes in a window's drawable: 1:1 when the sizes
// match, otherwise as large as fits with the aspect kept, centred (letterbox
// or pillarbox bars in black).

#include "gfx/RenderDevice.h"

inline PixelRect PresentRect(int drawableWidth, int drawableHeight, int pictureWidth,
                             int pictureHeight) {
  if (drawableWidth <= 0 || drawableHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
    return {};
  // Compare the two aspects in integers: the wider side takes bars.
  long long wide = static_cast<long long>(drawableWidth) * pictureHeight;
  long long tall = static_cast<long long>(drawableHeight) * pictureWidth;
  PixelRect r;
  if (wide > tall) {
    r.height = drawableHeight;
    r.width = static_cast<int>(tall / pictureHeight);
  } else {
    r.width = drawableWidth;
    r.height = static_cast<int>(wide / pictureWidth);
  }
  r.x = (drawableWidth - r.width) / 2;
  r.y = (drawableHeight - r.height) / 2;
  return r;
}
