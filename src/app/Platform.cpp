#include "app/Platform.h"

#include "util/Path.h"

std::string Platform::ExecutableFolder() const { return GetModuleDirectory(); }

std::string Platform::UserFolder() const { return ExecutableFolder() + "..\\"; }

void Platform::SavePicture(const std::string&, int, int, std::vector<uint32_t>) {}
