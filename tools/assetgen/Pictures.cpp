#include "AssetGen.h"

void WritePictures(const std::string&) {}
