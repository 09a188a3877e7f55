#include "Pictures.h"
void WriteScreens(const std::string&) {}
void WriteIcon(const std::string&) {}
