// The system's IP address control (SysIPAddress32): typing, blank fields and the packed address are
// its own.
#include "platform/ui/IPAddressCtrl.h"


namespace {
constexpr UINT IPM_GETADDRESS = WM_USER + 102;  // lParam: the DWORD to fill; returns the non-blank fields
}  // namespace

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3)
{
    DWORD address = 0;
    const auto filled = static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
    nField0 = static_cast<BYTE>(address >> 24);
    nField1 = static_cast<BYTE>(address >> 16);
    nField2 = static_cast<BYTE>(address >> 8);
    nField3 = static_cast<BYTE>(address);
    return filled;
}
