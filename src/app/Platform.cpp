#include "app/Platform.h"

#include "util/Path.h"

std::string Platform::ExecutableFolder() const { return GetModuleDirectory(); }
