// The two Step 2 pages: the connection check at the fixed recovery address, and the one where the
// operator types the scale's address. The failure, success and wait texts and the note share one
// area inside the frame; the page shows one of them at a time. The frame comes before the
// texts so that it lies beneath them.
#include <iterator>

#include "resources/DialogTemplates.h"

namespace {

const char kTitle[] = "Step 2:  Establish LAN connection to scale";
const char kConnectCable[] =
    "Connect the Ethernet cable (UTP CAT-5) from your PC to the scale either directly (using a "
    "crossed cable) or via a hub (using a straight-through cable).";
const char kCheckButton[] = "Check Connection...";
const char kConnected[] = "Connection established to scale. Click the Next button to proceed.";
const char kChecking[] = "Checking connection. Please wait...";

const DialogControl kRecoveryControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 220, 20, kTitle, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 10, 8, "1.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 75, 270, 24, kConnectCable, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 100, 10, 8, "2.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 100, 270, 26,
     "When the cable is connected and the scale rebooted in recovery mode, click the [Check "
     "Connection] button below to confirm that a connection can be established.",
     0, 0},
    {IDC_CHECK_CONNECTION, ControlKind::PushButton, 105, 128, 80, 14, kCheckButton, 0, 0},
    {IDC_CONNECT_FRAME, ControlKind::GroupBox, 5, 145, 280, 48, "", 0, 0},
    {IDC_CONNECT_FAILED_TEXT, ControlKind::Static, 12, 154, 266, 36,
     "Unable to establish connection to scale. Please check the scale and cable. If these appear "
     "OK, the problem may be with the network settings on this PC.\nClick [Check Connection] to "
     "retry or Cancel to exit.",
     0, 0},
    {IDC_CONNECTED_TEXT, ControlKind::Static, 12, 154, 266, 36, kConnected, 0, 0},
    {IDC_CHECKING_TEXT, ControlKind::Static, 12, 154, 266, 36, kChecking, CS_HIDDEN, 0},
    {IDC_CONNECT_NOTE, ControlKind::Static, 12, 154, 266, 36,
     "Note: The scale IP address in recovery mode is fixed at 192,168.10.1.\nThe IP address on this "
     "PC must be in the range 192.168.10.xxx",
     0, 0},
};

// The address field and its button stand on one line under the instructions.
const DialogControl kTestControls[] = {
    DialogLook::kPicture,
    {IDC_TITLE, ControlKind::Static, 65, 55, 220, 20, kTitle, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 75, 10, 8, "1.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 75, 270, 24, kConnectCable, 0, 0},
    {IDC_STATIC, ControlKind::Static, 5, 100, 10, 8, "2.", 0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 100, 270, 18,
     "Enter the IP address used by the scale, then click [Check Connection] to confirm the "
     "connection to the scale.",
     0, 0},
    {IDC_STATIC, ControlKind::Static, 15, 122, 62, 8, "Scale IP Address", 0, 0},
    {IDC_SCALE_ADDRESS, ControlKind::IpAddress, 80, 120, 100, 13, "", 0, 0},
    {IDC_CHECK_CONNECTION, ControlKind::PushButton, 190, 119, 80, 14, kCheckButton, 0, 0},
    {IDC_CONNECT_FRAME, ControlKind::GroupBox, 5, 137, 280, 56, "", 0, 0},
    {IDC_CONNECT_FAILED_TEXT, ControlKind::Static, 12, 147, 266, 42,
     "Unable to establish connection to scale. Please check the IP address, scale and cable. If "
     "these appear OK, the problem may be with the network settings on this PC.\nClick [Check "
     "Connection] to retry or Cancel to exit.",
     0, 0},
    {IDC_CONNECTED_TEXT, ControlKind::Static, 12, 147, 266, 42, kConnected, 0, 0},
    {IDC_CHECKING_TEXT, ControlKind::Static, 12, 147, 266, 42, kChecking, CS_HIDDEN, 0},
    {IDC_CONNECT_NOTE, ControlKind::Static, 12, 147, 266, 42,
     "Note: You can check the scale IP address using B10-01 in the scale SETUP menu.", 0, 0},
};

}  // namespace

const DialogTemplate g_connectRecoveryTemplate = {
    IDD_CONNECT_RECOVERY, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kRecoveryControls, std::size(kRecoveryControls)};

const DialogTemplate g_connectTestTemplate = {
    IDD_CONNECT_TEST, DialogLook::kPageWidth, DialogLook::kPageHeight, PageTexts::kCaption,
    DialogLook::kPointSize, DialogLook::kFaceName, kTestControls, std::size(kTestControls)};
