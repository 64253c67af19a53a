// The string table: every text the program loads by number.
#include <iterator>

#include "platform/sys/ResourceFormat.h"
#include "resources/PageTexts.h"
#include "resources/ResourceIds.h"

const StringResource g_stringTable[] = {
    {IDS_SOCKETS_INIT_FAILED, "Windows sockets initialization failed."},

    {IDS_CAPTION, PageTexts::kCaption},
    {IDS_WIZARD_NAME, "Scale firmware update wizard"},

    // Step 1 in test mode.
    {IDS_REBOOT_TEST_TITLE, "Step 1:  Reboot scale in TEST mode"},
    {IDS_REBOOT_TEST_STEP1,
     "To perform a firmware copy, you need to know the scale IP address.\nBefore rebooting the "
     "scale in TEST mode, make a note of the scale IP address displayed by B10-01 in SETUP mode."},
    {IDS_REBOOT_TEST_STEP2,
     "Reboot the scale in TEST mode and select the \"C02-04 APPLI COPY\" menu item."},
    {IDS_REBOOT_TEST_STEP3,
     "The IP address on this PC must be in the same subnet as the scale. For example, if the scale "
     "address is 192.168.10.1, the PC address must be in the range 192.168.10.xxx."},

    // Step 1 in recovery mode.
    {IDS_REBOOT_RECOVERY_TITLE, PageTexts::kRebootRecoveryTitle},
    {IDS_REBOOT_RECOVERY_STEP1, PageTexts::kRebootRecoveryStep1},
    {IDS_REBOOT_RECOVERY_STEP2, PageTexts::kRebootRecoveryStep2},
    {IDS_REBOOT_RECOVERY_STEP3, PageTexts::kRebootRecoveryStep3},

    // Titles of the application and completion pages by mode. The mode-1 application selection
    // title has a single blank after its colon, unlike every other title.
    {IDS_SELECT_APLY_TITLE_BIOS_APLY, PageTexts::kSelectAplyTitleBiosAply},
    {IDS_SELECT_APLY_TITLE_APLY_ONLY, "Step 3:  Copy scale application program"},
    {IDS_COPY_APLY_TITLE_BIOS_APLY, PageTexts::kCopyAplyTitleBiosAply},
    {IDS_COPY_APLY_TITLE_APLY_ONLY, "Step 4:  Copy application program and confirm at scale"},
    {IDS_COMPLETE_TITLE_BIOS_APLY, PageTexts::kCompleteTitleBiosAply},
    {IDS_COMPLETE_TITLE_APLY_ONLY, "Step 5:  Scale firmware update complete"},
    {IDS_SELECT_APLY_TITLE_BIOS_FONT_APLY, "Step 8: Copy scale application program"},
    {IDS_COPY_APLY_TITLE_BIOS_FONT_APLY, "Step 9:  Copy application program and confirm at scale"},
    {IDS_COMPLETE_TITLE_BIOS_FONT_APLY, "Step 10:  Scale firmware update complete"},

    // Messages.
    {IDS_FTP_COPY_ERROR, "FTP file copy error!"},
    {IDS_CONNECT_ERROR_PREFIX, "Unable to connect to scale! : "},
    {IDS_WAIT_FOR_SCALE, "Please wait until scale communications completes."},
    {IDS_CONVERT_ERROR,
     "Error converting MOT file. Check that you selected a valid MOT format scale program file.\n"
     "After selecting the correct file, click the Next button to retry."},
    {IDS_CONVERTER_MISSING,
     "Error: Cannot find MOT -> BIN conversion program.\nYou may need to reinstall the firmware "
     "wizard to restore the conversion program files."},
    {IDS_INVALID_ADDRESS, "Please specify a valid scale IP address."},
    {IDS_ADDRESS_CHANGED, "You have changed the IP address. Please check the connection again."},
    {IDS_WRONG_BOOT_NAME,
     "The selected file name is incorrect. You must specify either BOOT.BIN or BOOT.MOT.\n"
     "Sending an invalid file will disable the scale."},
    {IDS_WRONG_APLY_NAME,
     "The selected file name is incorrect. You must specify either APLY.BIN or APLY.MOT.\n"
     "Sending an invalid file will disable the scale."},
    {IDS_WRONG_FONT_NAME,
     "The selected file name is incorrect. You must specify either FONT.BIN or FONT.MOT.\n"
     "Sending an invalid file will disable the scale."},
};

const std::size_t g_stringCount = std::size(g_stringTable);
