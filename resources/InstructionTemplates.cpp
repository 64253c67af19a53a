// The pages that only instruct the operator: reboot the scale (Step 1), reboot it again before the
// font, and the completion page.
#include <iterator>

#include "resources/DialogTemplates.h"

namespace {

// Step 1. The title and the three instructions are replaced by mode whenever the page is entered;
// the template holds the recovery-mode texts.
const DialogControl kRebootControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 210, 20, PageTexts::kRebootRecoveryTitle, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 10, 8, "1.", 0, 0},
    {IDC_INSTRUCTION_1, ControlKind::Static, 15, 75, 270, 30, PageTexts::kRebootRecoveryStep1, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 105, 10, 8, "2.", 0, 0},
    {IDC_INSTRUCTION_2, ControlKind::Static, 15, 105, 270, 20, PageTexts::kRebootRecoveryStep2, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 125, 10, 8, "3.", 0, 0},
    {IDC_INSTRUCTION_3, ControlKind::Static, 15, 125, 270, 30, PageTexts::kRebootRecoveryStep3, 0, 0},
    {IDC_STATIC, ControlKind::Static, 40, 170, 225, 8, PageTexts::kClickNext, 0, 0},
};

const DialogControl kRebootFontControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 210, 20, "Step 5:  Reboot scale in recovery mode again", 0, 0},
    {IDC_INSTRUCTION_1, ControlKind::Static, 5, 75, 280, 30,
     "Once copying of the BOOT program has completed, you need to reboot the scale in recovery mode "
     "again before you can proceed to copy the font and application programs.",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 105, 10, 8, "1.", 0, 0},
    {IDC_INSTRUCTION_2, ControlKind::Static, 15, 105, 270, 20,
     "Reboot using the same procedure as before (Use a cotton bud or similar to hold down the "
     "\"MEMORY SWITCH FOR A/D DATA\" button and turn on the power.)",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 125, 10, 8, "2.", 0, 0},
    {IDC_INSTRUCTION_3, ControlKind::Static, 15, 125, 270, 40,
     "Three beeps should sound and the message \"C02-04 APPLI COPY\" should appear on the scale "
     "display.\nPress the down arrow on the scale keyboard twice to display \"C02-06 FONT COPY\".",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 40, 170, 225, 8, PageTexts::kClickNext, 0, 0},
};

// The title is replaced by mode whenever the page is entered.
const DialogControl kCompleteControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 200, 20, PageTexts::kCompleteTitleBiosAply, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 280, 25,
     "Copying the updated firmware to the scale has completed. Press the RESET key on the scale to "
     "reset the scale to normal mode.",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 105, 280, 20,
     "It is recommended that you RAM clear the scale using Test Mode (C02) after updating the "
     "firmware.",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 130, 280, 15,
     "After restarting the scale, use SETUP mode to set the scale LAN settings.", 0, 0},
};

}  // namespace

const DialogTemplate g_rebootTemplate = {
    IDD_REBOOT, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kRebootControls, std::size(kRebootControls)};

const DialogTemplate g_rebootFontTemplate = {
    IDD_REBOOT_FONT, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kRebootFontControls, std::size(kRebootFontControls)};

const DialogTemplate g_completeTemplate = {
    IDD_COMPLETE, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kCompleteControls, std::size(kCompleteControls)};
