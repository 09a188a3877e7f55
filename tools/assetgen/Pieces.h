#pragma once
// The eight pieces of music, written out for the arranger.
//
// Part volumes are balanced by measuring each part rendered alone with the
// TimGM6mb SoundFont: the melody on top, bass about 4 dB under it, drums and
// harmony 6 to 8 dB under it. They leave headroom: at the mixer's full music
// volume (FluidSynth gain 1.2) a piece measures about -21 dBFS RMS with peaks
// under -3 dBFS, so the effects (-14 dBFS) sit clearly above the music.

#include <vector>

#include "Arranger.h"

namespace audiogen {

std::vector<Piece> MenuPieces();   // title, options, ending
std::vector<Piece> StagePieces();  // the four stage groups and the final piece

}  // namespace audiogen
