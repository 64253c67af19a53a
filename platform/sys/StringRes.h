// The few string operations the wizard's code calls on its 8-bit strings.
#pragma once

#include "platform/sys/WinTypes.h"

// The text of a string-table entry; empty when there is none.
CString LoadString(UINT nID);

// printf-style formatting into a new string.
CString FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));

// ASCII upper case of the single-byte characters; two-byte characters stay as they are.
CString MakeUpper(CString text);
