// The lead bytes of two-byte characters in the code page of the code page service (the system's ANSI
// code page in the program): the system's own (IsDBCSLeadByteEx). How a string is walked, trail bytes
// and UTF-8 included, is the same on both backends (platform/sys/CharacterSteps.cpp).
#include "platform/sys/CodePage.h"

#include "platform/win32/sys/SysShim.h"

BOOL IsDBCSLeadByte(BYTE b)
{
    return win32::sys::IsLeadByteOf(GetACP(), b) ? TRUE : FALSE;
}

