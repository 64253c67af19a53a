// Reading the S-record file whole, and writing the image so that it is either there complete or not
// at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool ReadFileBytes(const std::string& path, std::vector<char>& contents, std::string& error);

// Writes the bytes beside path under a name of their own, and gives them path's name only once all
// of them are written: a full disk or a failed write leaves no image behind.
bool WriteImageFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);
