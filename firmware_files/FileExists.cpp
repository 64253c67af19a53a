#include "firmware_files/FileExists.h"

#include "platform/sys/File.h"

BOOL FileExists(LPCSTR lpszFileName)
{
    CFileStatus status;
    return CFile::GetStatus(lpszFileName, status);
}
