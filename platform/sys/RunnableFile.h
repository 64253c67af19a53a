// Whether the command processor can run a file.
#pragma once

#include "platform/sys/WinTypes.h"

// TRUE when the name (absolute, or relative to the current directory) is a file that this process
// may run: a regular file with its run permission. Windows runs a program or batch file by its
// name's extension; here the run permission decides, so a converter copied without it is no
// converter at all.
BOOL IsRunnableFile(LPCSTR lpszFileName);
