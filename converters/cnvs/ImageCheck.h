// Whether a binary image is exactly what its S-records describe: it starts at the lowest data
// address, ends with the highest data byte, holds every record's bytes at their place and 0xFF in
// every gap between them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class SRecordImage;

// false with a readable reason naming the first difference.
bool CheckImage(const SRecordImage& source, const std::uint8_t* image, std::size_t size, std::string& error);
