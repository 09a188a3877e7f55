#pragma once
// Volumes are attenuations in hundredths of a decibel, computed exactly as
// the game always has: music and effects follow different curves for the
// same 0.0-1.0 setting. The output only ever sees the resulting linear gain.

// 1000 x log10(v) with v clamped to 0..1, truncated, limited to -10000..0.
int MusicAttenuation(float volume);

// 2000 x log10(v) as a 32-bit float, floored at -9600, capped at 0, truncated.
int EffectAttenuation(float volume);

// Music balance: b x 10000 truncated, limited to -10000..10000. Positive
// values attenuate the left side, negative ones the right side.
int BalanceAttenuation(float balance);

// Linear amplitude gain of an attenuation: 10^(hundredthsDb / 2000).
float AttenuationGain(int hundredthsDb);
