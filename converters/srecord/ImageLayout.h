// Lays the data of an S-record file out as the binary image the wizard sends: from the lowest data
// address to the highest, every gap filled with 0xFF. As with srec_cat, records may come in any order
// and may overlap where they agree (the same byte twice); two different values for one address are
// an error, and so is a file without a single data byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "MotorolaReader.h"

// Scale images are a few megabytes; records far apart would otherwise make gigabytes of 0xFF. The
// Linux SRECORD.EXE stops at the same size (its shell's file size limit).
constexpr std::uint64_t kMaxImageBytes = 64 * 1024 * 1024;

// False with a readable reason when the data make no image.
bool LayOutImage(const MotorolaData& data, std::vector<std::uint8_t>& image, std::string& error);
