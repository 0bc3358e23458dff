#pragma once

#include "SkinData.h"
#include "SkinStyle.h"

#include <memory>

// Our style over the program's built-in skin, for widget tests; empty when
// the skin cannot be read.
inline std::unique_ptr<SkinStyle> builtInSkinStyle()
{
    TSkinData data;
    data.setSkinStream(TSkinData::builtInSkinStream());
    if (!data.theme())
        return nullptr;
    return std::make_unique<SkinStyle>(data.sharedTheme());
}
