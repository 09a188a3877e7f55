#pragma once
// The device state, camera and light the game draws with. The session sets
// them, and so do the contact sheet and the image tests, so that all three
// draw alike.

#include "gfx/RenderDevice.h"

// Texture times vertex colour, for colour and alpha alike.
inline constexpr TextureStage kModulateStage = {TextureOp::Modulate, TextureArg::Texture, TextureArg::Diffuse,
                                                TextureOp::Modulate, TextureArg::Texture, TextureArg::Diffuse};
void SetModulateStage(RenderDevice& device);

// The table set after every device reset: blending by source alpha,
// counter-clockwise culling, lighting, depth, an alpha test that keeps fully
// transparent texels out of the depth buffer, the modulate stage and an
// identity world.
void ApplyGameStates(RenderDevice& device);

// A white light at `position` (a directional one shines along it,
// normalised), enabled, with lighting on.
void SetWhiteLight(RenderDevice& device, int index, LightType type, Vec3 position, float range);

// A side view of the 160 x 120 units around (320, 240), world x growing
// towards the left edge of the screen, lit from the upper left in front.
void SetSideView(RenderDevice& device);
