// The process's current directory, and the command processor that runs command lines in it.
#pragma once

#include "platform/sys/WinTypes.h"

// Copies the current directory's full path and a terminator into buffer and returns buffer; nullptr
// when it does not fit into maxlen bytes or cannot be read.
char* _getcwd(char* buffer, int maxlen);

// Makes dirname the current directory: 0 on success, -1 when it cannot (an empty name included).
int _chdir(const char* dirname);

// Runs the command line through /bin/sh and returns when it has ended. As with the Windows command
// processor, a first word without a directory is looked for in the current directory first, so that
// "ConvertBoot.bat ZELTO ZELTO.BIN" runs the batch file that stands there. Returns the command's exit
// status, 128 + the signal number when a signal ended it, or -1 when it could not be started.
int RunCommandLine(LPCSTR lpszCommandLine);
