#include "platform/sys/Process.h"

#include "platform/win32/sys/SysShim.h"

char* _getcwd(char* buffer, int maxlen)
{
    return buffer != nullptr && maxlen > 0 && win32::sys::ReadCurrentDirectory(buffer, maxlen) ? buffer : nullptr;
}

int _chdir(const char* dirname)
{
    return dirname != nullptr && win32::sys::ChangeCurrentDirectory(dirname) ? 0 : -1;
}

// The command processor itself looks for the first word in the current directory first, so
// "ConvertBoot.bat ZELTO ZELTO.BIN" runs the batch file standing there. Its exit code comes back
// as the batch file's "exit /b" left it; 9009 when the command is not found.
int RunCommandLine(LPCSTR lpszCommandLine)
{
    return lpszCommandLine == nullptr ? -1 : win32::sys::RunThroughCommandProcessor(lpszCommandLine);
}
