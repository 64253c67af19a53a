#include "platform/ui/XpmImage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

XpmPixels DecodeXpm(const char* const* xpm)
{
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
    if (xpm == nullptr || std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4 ||
        width <= 0 || height <= 0 || colours <= 0 || charsPerPixel <= 0)
        return {};
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const char* line = xpm[i];
        if (std::strlen(line) < static_cast<std::size_t>(charsPerPixel))
            return {};
        const char* colour = std::strstr(line + charsPerPixel, "c ");
        if (colour == nullptr)
            return {};
        colour += 2;
        const std::uint32_t argb =
            *colour == '#' ? 0xFF000000u | static_cast<std::uint32_t>(std::strtoul(colour + 1, nullptr, 16)) : 0u;
        palette[std::string(line, static_cast<std::size_t>(charsPerPixel))] = argb;
    }
    XpmPixels image;
    image.width = width;
    image.height = height;
    image.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + colours + y];
        if (std::strlen(row) < static_cast<std::size_t>(width * charsPerPixel))
            return {};
        for (int x = 0; x < width; ++x) {
            const auto found = palette.find(std::string(row + x * charsPerPixel, static_cast<std::size_t>(charsPerPixel)));
            image.pixels.push_back(found != palette.end() ? found->second : 0u);
        }
    }
    return image;
}
