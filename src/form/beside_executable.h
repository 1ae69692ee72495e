#pragma once

#include "platform/platform.h"

namespace modlatch {

// Appends "\" unless the path already ends in one; the empty text gives "\".
Text WithTrailingBackslash(const Text& path);

// <executable folder>\<executable base name><extension>, computed anew on each call: the INI
// file and the help file are found this way.
Text PathBesideExecutable(AppFiles& files, const Text& extension);

}  // namespace modlatch
