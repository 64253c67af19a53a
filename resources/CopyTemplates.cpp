// The three copy-and-confirm pages. The copying text, the confirmation and the error share one
// area; the page shows only those of its state, and Retry appears only after a failed upload. The
// progress bar and its line stand under the copying text, where the confirmation, the error and
// Retry would be: they show only while the file travels, when those are hidden.
#include <iterator>

#include "resources/DialogTemplates.h"

namespace {

const char kCopying[] = "Copying program file, please wait...";
// The application copy page asks the operator to wait 30 seconds at the scale, the others 20.
const char kConfirm20[] =
    "Copying completed OK. Press the ZERO button on the scale twice to update the received "
    "program.\nAfter approximately 20sec, the scale should display \"PASS\" to indicate the program "
    "was updated sucessfully.";
const char kConfirm30[] =
    "Copying completed OK. Press the ZERO button on the scale twice to update the received "
    "program.\nAfter approximately 30sec, the scale should display \"PASS\" to indicate the program "
    "was updated sucessfully.";
const char kCopyFailed[] =
    "Error copying file. Check cable and scale, then click [Retry] to send again, or click "
    "[Cancel] to exit.";
const char kRetry[] = "Retry...";
const char kIfSuccessful[] =
    "If successful, click the Next button to proceed, or click Cancel to exit.";

// The upload's progress, in the area that the confirmation and the error take once it has ended:
// the same bar and line on all three pages.
const DialogControl kProgressBar = {IDC_COPY_PROGRESS, ControlKind::ProgressBar, 5, 88, 280, 10, "", 0, 0};
const DialogControl kProgressText = {IDC_COPY_PROGRESS_TEXT, ControlKind::Static, 5, 101, 280, 8, "", 0, 0};
// The failure with its Retry, and the hint to go on: the same on all three pages.
const DialogControl kFailedText = {IDC_COPY_FAILED_TEXT, ControlKind::Static, 5, 95, 280, 25, kCopyFailed, 0, 0};
const DialogControl kRetryButton = {IDC_RETRY, ControlKind::PushButton, 180, 120, 50, 14, kRetry, CS_HIDDEN, 0};
const DialogControl kNextHint = {IDC_NEXT_HINT, ControlKind::Static, 5, 140, 280, 15, kIfSuccessful, 0, 0};

const DialogControl kBootControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 220, 20, "Step 4:  Copy BIOS and confirm at scale.", 0, 0},
    {IDC_COPYING_TEXT, ControlKind::Static, 80, 75, 150, 8, kCopying, 0, 0},
    kProgressBar,
    kProgressText,
    {IDC_COPIED_TEXT, ControlKind::Static, 5, 75, 280, 40, kConfirm20, 0, 0},
    kFailedText,
    kRetryButton,
    kNextHint,
};

const DialogControl kFontControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 220, 20, "Step 7:  Copy font data and confirm at scale.", 0, 0},
    {IDC_COPYING_TEXT, ControlKind::Static, 80, 75, 150, 8, kCopying, 0, 0},
    kProgressBar,
    kProgressText,
    {IDC_COPIED_TEXT, ControlKind::Static, 5, 75, 280, 40, kConfirm20, 0, 0},
    kFailedText,
    kRetryButton,
    kNextHint,
};

// The title is replaced by mode whenever the page is entered.
const DialogControl kAplyControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 55, 55, 235, 20, PageTexts::kCopyAplyTitleBiosAply, 0, 0},
    {IDC_COPYING_TEXT, ControlKind::Static, 80, 75, 125, 8, kCopying, 0, 0},
    kProgressBar,
    kProgressText,
    {IDC_COPIED_TEXT, ControlKind::Static, 5, 75, 275, 40, kConfirm30, 0, 0},
    kFailedText,
    kRetryButton,
    kNextHint,
};

}  // namespace

const DialogTemplate g_copyBootTemplate = {
    IDD_COPY_BOOT, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kBootControls, std::size(kBootControls)};

const DialogTemplate g_copyFontTemplate = {
    IDD_COPY_FONT, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kFontControls, std::size(kFontControls)};

const DialogTemplate g_copyAplyTemplate = {
    IDD_COPY_APLY, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kAplyControls, std::size(kAplyControls)};
