#pragma once
// The eight pieces of music, written out for the arranger.

#include <vector>

#include "Arranger.h"

namespace audiogen {

std::vector<Piece> MenuPieces();   // title, options, ending
std::vector<Piece> StagePieces();  // the four stage groups and the final piece

}  // namespace audiogen
