#pragma once

#include "Exception.h"

// Memory for unpacking the skin could not be had.
DAIXI_EXCEPTION_KIND(ESkinMemory, EOutOfMemory)

namespace SkinErrors {
inline const char *const NoMemory = "LZH : Cannot get memory for dictionary tables";
} // namespace SkinErrors
