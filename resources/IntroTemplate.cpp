// The intro page: what the wizard is for, and the choice of operation.
#include <iterator>

#include "resources/DialogTemplates.h"

namespace {

// The radio buttons stand in the group in the order 1003, 1004, 1005, while the screen shows the
// font operation between the other two; the intro page reads each button by its ID, never by its
// place in the group.
const DialogControl kControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 80, 55, 135, 15, PageTexts::kCaption, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 280, 20,
     "This wizard steps you through the procedure for copying the internal program (\"firmware\") "
     "to a scale.",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 99, 280, 28,
     "Use this wizard to update the scale firmware if a scale fault has occurred due to memory "
     "corruption or other reason, and the scale cannot be accessed using the standard Pelmo scale "
     "maintenance utility.",
     0, 0},
    {IDC_STATIC, ControlKind::GroupBox, 5, 129, 285, 70, "What operation do you wish to perform?", 0, 0},
    {IDC_MODE_BIOS_APLY, ControlKind::AutoRadioButton, 20, 144, 240, 10,
     "Copy BIOS and Application programs (Use Recovery Mode)", CS_GROUP, 0},
    {IDC_MODE_APLY_ONLY, ControlKind::AutoRadioButton, 20, 174, 240, 10,
     "Copy Application program only (Use Test Mode)", 0, 0},
    {IDC_MODE_BIOS_FONT_APLY, ControlKind::AutoRadioButton, 20, 159, 240, 10,
     "Copy BIOS, Font, and Application programs (Use Recovery Mode)*", 0, 0},
    {IDC_STATIC, ControlKind::Static, 30, 189, 235, 8,
     "*: Only used for scales that use Chinese Traditional (Big5) fonts.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 202, 225, 8, PageTexts::kClickNext, 0, 0},
};

}  // namespace

const DialogTemplate g_introTemplate = {
    IDD_INTRO, 291, 223, PageTexts::kCaption, DialogLook::kPointSize, DialogLook::kFaceName,
    kControls, std::size(kControls)};
