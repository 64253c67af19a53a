// The pictures of the resources (XPM images compiled into the program) as pixels, for a backend
// whose toolkit does not read XPM itself.
#pragma once

#include <cstdint>
#include <vector>

struct XpmPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, the top row first; "None" is 0 (transparent)
};

// Reads an XPM image with colours given as "c #RRGGBB" or "c None"; an empty picture when the image
// is not of that form.
XpmPixels DecodeXpm(const char* const* xpm);
