#include "AssetGen.h"

void WriteModels(const std::string&) {}
