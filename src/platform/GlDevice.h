#pragma once
// OpenGL 3.3 core implementation of RenderDevice. It draws into an 800 x 600
// off-screen target; Present() copies that target to the window's drawable,
// 1:1 when the sizes match, otherwise scaled with the aspect kept
// (letterbox), then swaps buffers (one vertical blank per swap when vsync is
// on).

#include <memory>

#include "gfx/RenderDevice.h"

struct SDL_Window;

class GlDevice;

// Creates a GL 3.3 core context on the window (which must have been created
// with SDL_WINDOW_OPENGL) and the device drawing through it. Null when the
// context or the device cannot be created.
std::unique_ptr<RenderDevice> CreateGlDevice(SDL_Window* window);
