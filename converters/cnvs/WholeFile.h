// Whole-file reading and all-or-nothing publishing of a file.
#pragma once

#include <string>
#include <vector>

// The file's bytes; false with a readable reason when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<char>& contents, std::string& error);

// Writes the bytes to a new file beside path and renames it to path once they are all on disk, so
// that path is either missing, or the old file, or the complete new one - never a part of it.
bool PublishFile(const std::string& path, const char* data, std::size_t size, std::string& error);
