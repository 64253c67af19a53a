// The pictures, drawn as 16-colour XPM files and compiled into the program's Qt resource file.
#include <iterator>

#include "platform/sys/ResourceFormat.h"
#include "resources/ResourceIds.h"

const ImageResource g_bitmaps[] = {
    {IDB_WIZARD, ":/bitmap141.xpm"},
};
const std::size_t g_bitmapCount = std::size(g_bitmaps);

// One icon group in two sizes.
const ImageResource g_icons[] = {
    {IDI_PROGRAM, ":/icon128_32.xpm"},
    {IDI_PROGRAM, ":/icon128_16.xpm"},
};
const std::size_t g_iconCount = std::size(g_icons);
