#include "common/ImageKind.h"

#include <cstddef>
#include <iterator>

#include "resources/ResourceIds.h"

namespace {

// One row per kind, in the order of ImageKind. The remote names are the scale's own and keep its
// backslash.
constexpr ImageNames kImageNames[] = {
    {ImageKind::BOOT, "BOOT", "BOOT.BIN",
     "Binary Format Files (BOOT.bin) |BOOT.bin|Motorola Format Files (BOOT.mot) |BOOT.mot||",
     IDS_WRONG_BOOT_NAME, "d:\\boot.bin", "ConvertBoot.bat"},
    {ImageKind::FONT, "FONT", "FONT.BIN",
     "Binary Format Files (FONT.bin) |FONT.bin|Motorola Format Files (FONT.mot) |FONT.mot||",
     IDS_WRONG_FONT_NAME, "d:\\font.bin", "ConvertFont.bat"},
    {ImageKind::APLY, "APLY", "APLY.BIN",
     "Binary Format Files (APLY.bin) |APLY.bin|Motorola Format Files (APLY.mot) |APLY.mot||",
     IDS_WRONG_APLY_NAME, "d:\\aply.bin", "ConvertAply.bat"},
};

constexpr bool RowsInKindOrder()
{
    for (std::size_t i = 0; i < std::size(kImageNames); ++i) {
        if (kImageNames[i].kind != static_cast<ImageKind>(i))
            return false;
    }
    return true;
}
static_assert(std::size(kImageNames) == 3 && RowsInKindOrder(), "one row per image kind, in its order");

}  // namespace

const ImageNames& NamesOf(ImageKind kind)
{
    return kImageNames[static_cast<std::size_t>(kind)];
}
