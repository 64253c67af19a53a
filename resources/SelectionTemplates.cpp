// The three image selection pages. On these the step title has its own ID (IDC_SELECT_TITLE),
// because the Select button has the one that is the title's on every other page.
#include <iterator>

#include "resources/DialogTemplates.h"

namespace {

const char kSelectButton[] = "Select...";
const char kStartCopying[] =
    "If the file name is correct, click the Next button to start copying to the scale.";

// The BIOS and font pages share one layout.
const DialogControl kBootControls[] = {
    DialogLook::kPicture,
    {IDC_SELECT_TITLE, ControlKind::Static, 65, 55, 220, 20, "Step 3:  Copy scale BIOS program", 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 280, 15,
     "The Scale Tarvel is now ready to copy the scale BIOS program.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 90, 8, 8, "1.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 90, 265, 20,
     "Check that \"C02-05 BIOS COPY\" appears on the scale display. If not, use the up or down "
     "arrow key on the scale to display \"C02-05 BIOS COPY\".",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 115, 8, 8, "2.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 115, 265, 20,
     "Check the correct file name appears below. If not. click the Select button to select the "
     "correct BIOS program file.",
     0, 0},
    {IDC_FILE_NAME, ControlKind::Static, 15, 140, 265, 10, "", CS_SUNKEN | CS_BORDER, 0},
    {IDC_SELECT, ControlKind::PushButton, 195, 155, 50, 14, kSelectButton, 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 175, 270, 8, kStartCopying, 0, 0},
};

const DialogControl kFontControls[] = {
    DialogLook::kPicture,
    {IDC_SELECT_TITLE, ControlKind::Static, 65, 55, 220, 20, "Step 6:  Copy scale font data", 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 280, 15,
     "The Scale Tarvel is now ready to copy the scale font data.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 90, 8, 8, "1.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 90, 265, 20,
     "Check that \"C02-06 FONT COPY\" appears on the scale display. If not, use the up or down "
     "arrow key on the scale to display \"C02-06 FONT COPY\".",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 115, 8, 8, "2.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 115, 265, 20,
     "Check the correct file name appears below. If not. click the Select button to select the "
     "correct font data file.",
     0, 0},
    {IDC_FILE_NAME, ControlKind::Static, 15, 140, 265, 10, "", CS_SUNKEN | CS_BORDER, 0},
    {IDC_SELECT, ControlKind::PushButton, 195, 155, 50, 14, kSelectButton, 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 175, 270, 8, kStartCopying, 0, 0},
};

// The application page's title is replaced by mode whenever the page is entered.
const DialogControl kAplyControls[] = {
    DialogLook::kPicture,
    {IDC_SELECT_TITLE, ControlKind::Static, 65, 55, 195, 20, PageTexts::kSelectAplyTitleBiosAply, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 280, 20,
     "The Scale Tarvel is now ready to copy the scale application program.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 100, 8, 8, "1.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 100, 265, 20,
     "Check that \"C02-04 APPLI COPY\" appears on the scale display. If not, use the up or down "
     "arrow key on the scale to display \"C02-04 APPLI COPY\".",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 125, 8, 8, "2.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 125, 265, 20,
     "Check the correct file name appears below. If not. click the Select button to select the "
     "correct application program file.",
     0, 0},
    {IDC_FILE_NAME, ControlKind::Static, 15, 150, 265, 10, "", CS_SUNKEN | CS_BORDER, 0},
    {IDC_SELECT, ControlKind::PushButton, 195, 165, 50, 14, kSelectButton, 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 182, 270, 8, kStartCopying, 0, 0},
};

}  // namespace

const DialogTemplate g_selectBootTemplate = {
    IDD_SELECT_BOOT, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kBootControls, std::size(kBootControls)};

const DialogTemplate g_selectFontTemplate = {
    IDD_SELECT_FONT, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kFontControls, std::size(kFontControls)};

const DialogTemplate g_selectAplyTemplate = {
    IDD_SELECT_APLY, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kAplyControls, std::size(kAplyControls)};
