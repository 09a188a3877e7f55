#pragma once
// What a stage file must hold for the game to be playable from it: a player,
// a door and a key, a time line with a time above 0, rows that fit the 16
// columns, and no more objects of a family than its task pool can hold (the
// loader skips what does not fit, silently).

#include <string>
#include <vector>

class CTextFile;

// One message per problem, in file order; empty for a sound stage.
std::vector<std::string> CheckStage(const CTextFile& file);
