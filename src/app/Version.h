#pragma once
// The game's version, as the title shows it and recordings name it.

inline constexpr const char* kGameVersion = "1.0.0";
