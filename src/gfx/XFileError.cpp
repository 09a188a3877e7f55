#include "gfx/XFileError.h"

void XSource::Fail(uint32_t position, const std::string& message) const {
  std::string where = text ? "line " + std::to_string(position)
                           : "offset " + std::to_string(uint64_t{position} + offsetBase);
  throw XFileError(fileName + ": " + where + ": " + message);
}

void XSource::Fail(const std::string& message) const {
  throw XFileError(fileName + ": " + message);
}
