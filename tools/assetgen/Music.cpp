#include "AssetGen.h"

void WriteMusic(const std::string&) {}
