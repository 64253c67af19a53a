// The system code page: which bytes start a two-byte character. Strings are 8-bit text in this
// code page, and every walk over a path steps whole characters, so that a trail byte equal to a
// separator is never taken for one.
#pragma once

#include "platform/sys/WinTypes.h"

// The code page of the application's code page service (the locale's character set in the program).
UINT GetACP();

// TRUE when the byte is the first byte of a two-byte character in the current code page.
BOOL IsDBCSLeadByte(BYTE b);

// The start of the character after the one at p; p itself at the terminator. A character is one
// byte or a whole, well-formed multibyte sequence; a lead byte whose sequence is broken or cut short
// by the terminator counts as one byte, as the code page's own multibyte routines count it.
const char* CharNextA(const char* p);
