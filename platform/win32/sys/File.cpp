// Files through the C run-time's descriptors, which File.h's m_fd holds. Windows itself keeps the
// sharing rule: a file open with shareDenyWrite refuses every other writer for as long as it is open.
#include "platform/sys/File.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include "platform/win32/sys/SysShim.h"

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags)
{
    Close();
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return FALSE;
    // Bytes as they are (no text-mode line ends), and not handed to the converters started later.
    int flags = _O_BINARY | _O_NOINHERIT | ((nOpenFlags & modeWrite) ? _O_WRONLY : _O_RDONLY);
    if (nOpenFlags & modeCreate)
        flags |= _O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : _O_TRUNC);
    // Windows checks the sharing before it cuts the file, so a file another writer holds stays whole.
    const int share = (nOpenFlags & shareDenyWrite) ? _SH_DENYWR : _SH_DENYNO;
    const int fd = ::_sopen(lpszFileName, flags, share, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return FALSE;
    m_fd = fd;
    return TRUE;
}

void CFile::Close()
{
    if (m_fd >= 0)
        ::_close(m_fd);
    m_fd = -1;
}

ULONGLONG CFile::GetLength() const
{
    const long long length = m_fd >= 0 ? ::_filelengthi64(m_fd) : -1;
    return length >= 0 ? static_cast<ULONGLONG>(length) : 0;
}

ULONGLONG CFile::SeekToEnd()
{
    const long long position = m_fd >= 0 ? ::_lseeki64(m_fd, 0, SEEK_END) : -1;
    if (position < 0)
        throw new CFileException;
    return static_cast<ULONGLONG>(position);
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    for (UINT done = 0; done < nCount;) {
        const int n = ::_write(m_fd, static_cast<const char*>(lpBuf) + done, nCount - done);
        if (n > 0)
            done += static_cast<UINT>(n);
        else if (n == 0 || errno != EINTR)
            throw new CFileException;  // a full disk, for one
    }
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus&)
{
    struct _stat64 status {};
    return lpszFileName != nullptr && ::_stat64(lpszFileName, &status) == 0;
}

void CFile::Remove(LPCSTR lpszFileName)
{
    // Files only: a folder of the same name is an error, as it is for DeleteFile.
    if (lpszFileName == nullptr || ::_unlink(lpszFileName) != 0)
        throw new CFileException;
}

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists)
{
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr)
        return FALSE;
    return win32::sys::CopyWholeFile(lpExistingFileName, lpNewFileName, bFailIfExists != FALSE) ? TRUE : FALSE;
}

BOOL IsRunnableFile(LPCSTR lpszFileName)
{
    // Windows runs a file by its name's extension. The last four bytes can be read as such in every
    // code page: a '.' is never the second byte of a two-byte character, nor is what follows it.
    struct _stat64 status {};
    if (lpszFileName == nullptr || ::_stat64(lpszFileName, &status) != 0 || (status.st_mode & _S_IFREG) == 0)
        return FALSE;
    CString name = lpszFileName;
    if (name.size() < 4 || name[name.size() - 4] != '.')
        return FALSE;
    CString extension = name.substr(name.size() - 3);
    for (char& c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension == "EXE" || extension == "BAT" || extension == "CMD" || extension == "COM";
}
