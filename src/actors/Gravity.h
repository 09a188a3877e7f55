#pragma once
// The pull every falling body of the stage shares: speed grows by 0.1 per
// step without end, but a body never drops more than 1.5 units in one step.

inline constexpr float kGravity = 0.1f;
inline constexpr float kFallCap = 1.5f;

// How far a body with vertical speed `vy` moves in one step.
inline float CappedMove(float vy) { return vy > -kFallCap ? vy : -kFallCap; }
