// File helpers for checking what a benchmark run produced.
#pragma once

#include <string>

// True when both files can be read and hold the same bytes.
bool SameContents(const std::string& a, const std::string& b);
// The size of a file, or -1.
long long SizeOf(const std::string& path);
// Removes a file if it is there.
void RemoveIfThere(const std::string& path);
// Runs the event loop for about ms milliseconds, so that what one run left behind settles before the next.
void Settle(int ms);
