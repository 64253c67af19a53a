// Whether a file name names something on disk.
#pragma once

#include "platform/sys/WinTypes.h"

// TRUE when the file status query succeeds for the name (absolute, or relative to the current
// directory).
BOOL FileExists(LPCSTR lpszFileName);
