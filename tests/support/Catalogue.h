#pragma once
// The model files and sound effects the game loads by name, for tests that
// build a runtime tree or check the generated one.

inline constexpr const char* kCatalogueModels[] = {
    "key",    "tokei",  "red_tokei", "blue_tokei", "CD",     "CDs",      "door_L", "door_R", "door",
    "needle", "needle2", "needle3",  "ghost",      "ghost_R", "daruma", "daruma_R", "1up",  "batu",
    "jump",   "doriru", "bomb",      "BG1",        "BG2",    "BG3",      "BG4",    "BG5"};

inline constexpr const char* kCatalogueEffects[] = {
    "開ける.wav", "閉める.wav", "Score1.wav", "Score2.wav", "Time.wav",    "1UP.wav",
    "Kill.wav",   "jump.wav",   "hit.wav",    "create.wav", "delete.wav",  "harry.wav",
    "roket.wav",  "hijump.wav", "deside.wav", "cursor.wav", "gameover.wav"};
