#include "Pictures.h"
void WriteBlockPictures(const std::string&) {}
void WriteMenuPictures(const std::string&) {}
void WriteScreens(const std::string&) {}
void WriteIcon(const std::string&) {}
