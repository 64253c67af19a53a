// Modal message boxes with an OK button, captioned with the program file's base name.
#pragma once

#include "platform/sys/WinTypes.h"

// A text from the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
// A text made at run time.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
