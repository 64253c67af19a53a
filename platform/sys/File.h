// Files with the open modes of the framework the wizard was written for, and the file operations
// around them: status, delete, copy, and whether a file can be run.
#pragma once

#include "platform/sys/Exception.h"
#include "platform/sys/WinTypes.h"

// Only whether the status could be had is used, not its fields.
struct CFileStatus {};

// A file operation that failed; its catchers only delete it.
class CFileException : public CException {};

class CFile {
public:
    // shareDenyWrite is kept with an exclusive advisory lock, so that a second writer is refused while
    // one holds the file.
    enum OpenFlags : UINT { modeRead = 0x0000, modeWrite = 0x0001, shareDenyWrite = 0x0020, modeCreate = 0x1000,
                            modeNoTruncate = 0x2000 };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened (missing, denied, or another writer holds it).
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags);
    void Close();
    ULONGLONG GetLength() const;
    ULONGLONG SeekToEnd();
    // Throws a CFileException* when the bytes cannot all be written.
    void Write(const void* lpBuf, UINT nCount);

    static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
    // Deletes a file (not a directory); throws a CFileException* when it cannot.
    static void Remove(LPCSTR lpszFileName);

private:
    int m_fd = -1;
};

// Copies the file lpExistingFileName to lpNewFileName, replacing a file there unless bFailIfExists.
// Nonzero on success. On failure a target that existed before is left as it was when the source
// could not be read, and no partly written target is left behind.
BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);

// TRUE when the name (absolute, or relative to the current directory) is a file that this process
// may run: a regular file with its run permission. Windows runs a program or batch file by its
// name's extension; here the run permission decides, so a converter copied without it is no
// converter at all.
BOOL IsRunnableFile(LPCSTR lpszFileName);
