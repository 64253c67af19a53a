// Files with the open modes of the framework the wizard was written for. shareDenyWrite is kept with
// an exclusive advisory lock, so that a second writer is refused while one holds the file.
#pragma once

#include <memory>

#include "platform/sys/Exception.h"
#include "platform/sys/WinTypes.h"

struct CFileStatus {
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;
    CString m_szFullName;
};

class CFileException : public CException {
public:
    enum { none = 0, genericException = 1, fileNotFound = 2, accessDenied = 5, sharingViolation = 11 };
    CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile();
    ~CFile();  // closes the file if still open
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened (missing, denied, or another writer holds it).
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    void Close();
    ULONGLONG GetLength() const;
    ULONGLONG Seek(std::int64_t lOff, UINT nFrom);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    // Throws a CFileException* when the bytes cannot all be written.
    void Write(const void* lpBuf, UINT nCount);

    static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
    // Throws a CFileException* when the file cannot be deleted.
    static void Remove(LPCSTR lpszFileName);

private:
    int m_fd;
};
