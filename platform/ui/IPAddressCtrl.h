// The IP address control: four number fields of 0 to 255, any of which may be blank.
#pragma once

#include "platform/ui/Wnd.h"

class CIPAddressCtrl : public CWnd {
public:
    // The four fields (a blank one reads 0); returns how many fields are not blank.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3);
};

// The packed address of IPM_SETADDRESS: first number in the highest byte.
inline LPARAM MAKEIPADDRESS(int b1, int b2, int b3, int b4)
{
    return static_cast<LPARAM>((static_cast<DWORD>(b1 & 0xFF) << 24) | (static_cast<DWORD>(b2 & 0xFF) << 16) |
                               (static_cast<DWORD>(b3 & 0xFF) << 8) | static_cast<DWORD>(b4 & 0xFF));
}
