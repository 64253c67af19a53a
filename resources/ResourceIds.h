// Names of the program's resources: the page templates, the bitmap, the icon and the strings.
// The numbers are fixed; pages, the sheet and the start-up code load by these names.
#pragma once

#include "platform/sys/WinTypes.h"

// Page templates, one per wizard page.
constexpr UINT IDD_INTRO = 129;               // choice of operation
constexpr UINT IDD_REBOOT = 130;              // Step 1: reboot the scale (recovery or test mode)
constexpr UINT IDD_CONNECT_RECOVERY = 131;    // Step 2 at the fixed recovery address
constexpr UINT IDD_SELECT_BOOT = 132;         // choose the BIOS image
constexpr UINT IDD_COPY_BOOT = 133;           // copy the BIOS image and confirm
constexpr UINT IDD_SELECT_APLY = 134;         // choose the application image
constexpr UINT IDD_COPY_APLY = 135;           // copy the application image and confirm
constexpr UINT IDD_COMPLETE = 136;            // update complete
constexpr UINT IDD_CONNECT_TEST = 137;        // Step 2 at an address the operator types
constexpr UINT IDD_SELECT_FONT = 138;         // choose the font image
constexpr UINT IDD_COPY_FONT = 139;           // copy the font image and confirm
constexpr UINT IDD_REBOOT_FONT = 140;         // reboot into recovery mode again before the font

// Pictures.
constexpr UINT IDI_PROGRAM = 128;             // program icon, 32 x 32 and 16 x 16
constexpr UINT IDB_WIZARD = 141;              // picture at the top left of every page

// Start-up.
constexpr UINT IDS_SOCKETS_INIT_FAILED = 103;

// Sheet caption and the texts that change with the operation mode.
// Modes: BIOS_APLY 0, BIOS_FONT_APLY 1, APLY_ONLY 2.
constexpr UINT IDS_CAPTION = 4096;
constexpr UINT IDS_WIZARD_NAME = 4097;
constexpr UINT IDS_REBOOT_TEST_TITLE = 4098;
constexpr UINT IDS_REBOOT_TEST_STEP1 = 4099;
constexpr UINT IDS_REBOOT_TEST_STEP2 = 4100;
constexpr UINT IDS_REBOOT_TEST_STEP3 = 4101;
constexpr UINT IDS_REBOOT_RECOVERY_TITLE = 4102;
constexpr UINT IDS_REBOOT_RECOVERY_STEP1 = 4103;
constexpr UINT IDS_REBOOT_RECOVERY_STEP2 = 4104;
constexpr UINT IDS_REBOOT_RECOVERY_STEP3 = 4105;
constexpr UINT IDS_SELECT_APLY_TITLE_BIOS_APLY = 4106;
constexpr UINT IDS_SELECT_APLY_TITLE_APLY_ONLY = 4107;
constexpr UINT IDS_COPY_APLY_TITLE_BIOS_APLY = 4108;
constexpr UINT IDS_COPY_APLY_TITLE_APLY_ONLY = 4109;
constexpr UINT IDS_COMPLETE_TITLE_BIOS_APLY = 4110;
constexpr UINT IDS_COMPLETE_TITLE_APLY_ONLY = 4111;
constexpr UINT IDS_SELECT_APLY_TITLE_BIOS_FONT_APLY = 4112;
constexpr UINT IDS_COPY_APLY_TITLE_BIOS_FONT_APLY = 4113;
constexpr UINT IDS_COMPLETE_TITLE_BIOS_FONT_APLY = 4114;

// Messages.
constexpr UINT IDS_FTP_COPY_ERROR = 32768;
constexpr UINT IDS_CONNECT_ERROR_PREFIX = 32769;   // the socket's error text follows it
constexpr UINT IDS_WAIT_FOR_SCALE = 32770;
constexpr UINT IDS_CONVERT_ERROR = 32771;
constexpr UINT IDS_CONVERTER_MISSING = 32772;
constexpr UINT IDS_INVALID_ADDRESS = 32773;
constexpr UINT IDS_ADDRESS_CHANGED = 32774;
constexpr UINT IDS_WRONG_BOOT_NAME = 32775;
constexpr UINT IDS_WRONG_APLY_NAME = 32776;
constexpr UINT IDS_WRONG_FONT_NAME = 32777;
