// The pictures, drawn as 16-colour XPM images. An XPM file is C source: the images are compiled
// into the program as they stand and decoded straight from there, with no file or format lookup.
#include <iterator>

#include "platform/sys/ResourceFormat.h"
#include "resources/ResourceIds.h"

#include "resources/bitmap141.xpm"
#include "resources/icon128_16.xpm"
#include "resources/icon128_32.xpm"

const ImageResource g_bitmaps[] = {
    {IDB_WIZARD, bitmap141},
};
const std::size_t g_bitmapCount = std::size(g_bitmaps);

// One icon group in two sizes.
const ImageResource g_icons[] = {
    {IDI_PROGRAM, icon128_32},
    {IDI_PROGRAM, icon128_16},
};
const std::size_t g_iconCount = std::size(g_icons);
