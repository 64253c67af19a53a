#include "platform/sys/RunnableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BOOL IsRunnableFile(LPCSTR lpszFileName)
{
    struct stat status {};
    if (lpszFileName == nullptr || ::stat(lpszFileName, &status) != 0 || !S_ISREG(status.st_mode))
        return FALSE;
    // The effective IDs decide, as they do when the command processor starts the file.
    return ::faccessat(AT_FDCWD, lpszFileName, X_OK, AT_EACCESS) == 0;
}
