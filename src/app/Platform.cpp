#include "app/Platform.h"

#include "util/Path.h"

std::string Platform::ExecutableFolder() const { return GetModuleDirectory(); }

void Platform::SavePicture(const std::string&, int, int, std::vector<uint32_t>) {}
