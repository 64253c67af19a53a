// Texts that stand both in a page template and in the string table, or on pages of more than one
// template file. Kept once here so that the copies can never drift apart by a blank.
#pragma once

namespace PageTexts {

inline constexpr char kCaption[] = "Scale Tarvel";

inline constexpr char kClickNext[] = "Click the Next button to proceed, or click Cancel to exit.";

// Step 1 in recovery mode: the page template carries these, and the string table hands them to
// the page again whenever it is entered in mode 0 or 1.
inline constexpr char kRebootRecoveryTitle[] = "Step 1:  Reboot scale in recovery mode";
inline constexpr char kRebootRecoveryStep1[] =
    "Turn off the scale power, then remove the access port to the \"MEMORY SWITCH FOR A/D DATA\" "
    "(a small black button on the circuit board). The access port is a white plastic screw.";
inline constexpr char kRebootRecoveryStep2[] =
    "Use a cotton bud or similar to hold down the \"MEMORY SWITCH FOR A/D DATA\" button and turn "
    "on the power.";
inline constexpr char kRebootRecoveryStep3[] =
    "Three beeps should sound and the message \"C02-04 APPLI COPY\" should appear on the scale "
    "display.\nPress the down arrow on the scale keyboard to display \"C02-05 BIOS COPY\".";

// The mode-0 titles that the application and completion pages start with before the page
// replaces them by mode.
inline constexpr char kSelectAplyTitleBiosAply[] = "Step 5:  Copy scale application program";
inline constexpr char kCopyAplyTitleBiosAply[] = "Step 6:  Copy application program and confirm at scale";
inline constexpr char kCompleteTitleBiosAply[] = "Step 7:  Scale firmware update complete";

}  // namespace PageTexts
