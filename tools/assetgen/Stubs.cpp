#include "Pictures.h"
void WriteMenuPictures(const std::string&) {}
void WriteScreens(const std::string&) {}
void WriteIcon(const std::string&) {}
