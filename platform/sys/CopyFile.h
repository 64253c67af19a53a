// Copying a file.
#pragma once

#include "platform/sys/WinTypes.h"

// Copies the file lpExistingFileName to lpNewFileName, replacing a file there unless bFailIfExists.
// Nonzero on success. On failure a target that existed before is left as it was when the source
// could not be read, and no partly written target is left behind.
BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);
