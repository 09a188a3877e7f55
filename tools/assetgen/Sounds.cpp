#include "AssetGen.h"

void WriteSounds(const std::string&) {}
