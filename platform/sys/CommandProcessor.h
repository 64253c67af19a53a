// The command processor: runs a command line and waits for it to end.
#pragma once

#include "platform/sys/WinTypes.h"

// Runs the command line through /bin/sh and returns when it has ended. As with the Windows command
// processor, a first word without a directory is looked for in the current directory first, so that
// "ConvertBoot.bat ZELTO ZELTO.BIN" runs the batch file that stands there. Returns the command's exit
// status, 128 + the signal number when a signal ended it, or -1 when it could not be started.
int RunCommandLine(LPCSTR lpszCommandLine);
