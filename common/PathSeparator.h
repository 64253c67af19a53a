// The directory separator of the platform the program runs on. Paths that the program builds use
// these constants; remote names on the scale ("d:\boot.bin") belong to the scale and keep theirs.
#pragma once

#include "platform/sys/PathSeparator.h"

constexpr char kPathSeparator = platform::kDirectorySeparator;
constexpr const char* kPathSeparatorString = platform::kDirectorySeparatorString;
