// Checks of what a benchmark run produced: images of tens of megabytes, compared without reading them
// whole into memory.
#pragma once

#include <string>

// True when both files can be read and hold the same bytes.
bool SameContents(const std::string& a, const std::string& b);
// The size of a file, or -1.
long long SizeOf(const std::string& path);
