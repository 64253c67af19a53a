#include "platform/sys/File.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int CauseOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return CFileException::fileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return CFileException::accessDenied;
    case EWOULDBLOCK:
        return CFileException::sharingViolation;
    default:
        return CFileException::genericException;
    }
}

void Fail(CFileException* pError, int error, LPCSTR name)
{
    if (pError == nullptr)
        return;
    pError->m_cause = CauseOf(error);
    pError->m_lOsError = error;
    pError->m_strFileName = name != nullptr ? name : "";
}

}  // namespace

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName != nullptr ? lpszFileName : "")
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT*)
{
    const CString text = m_strFileName + ": " + (m_lOsError > 0 ? std::strerror(m_lOsError) : "file error");
    CopyErrorText(lpszError, nMaxError, text.c_str());
    return TRUE;
}

CFile::CFile() : m_fd(-1) {}

CFile::~CFile()
{
    Close();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    Close();
    if (lpszFileName == nullptr || *lpszFileName == '\0') {
        Fail(pError, ENOENT, lpszFileName);
        return FALSE;
    }
    int flags = O_CLOEXEC;
    switch (nOpenFlags & 0x3) {
    case modeWrite:
        flags |= O_WRONLY;
        break;
    case modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    if (nOpenFlags & modeCreate)
        flags |= O_CREAT;
    const int fd = ::open(lpszFileName, flags, 0666);
    if (fd < 0) {
        Fail(pError, errno, lpszFileName);
        return FALSE;
    }
    // A share-deny mode holds an exclusive lock for as long as the file is open, so a second writer
    // is refused; the file is cut only once the lock is held, never under another holder.
    const UINT share = nOpenFlags & 0x70;
    if (share == shareExclusive || share == shareDenyWrite || share == shareDenyRead) {
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            Fail(pError, error, lpszFileName);
            return FALSE;
        }
    }
    if ((nOpenFlags & modeCreate) && !(nOpenFlags & modeNoTruncate) && ::ftruncate(fd, 0) != 0) {
        const int error = errno;
        ::close(fd);
        Fail(pError, error, lpszFileName);
        return FALSE;
    }
    m_fd = fd;
    return TRUE;
}

void CFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

ULONGLONG CFile::GetLength() const
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return 0;
    return static_cast<ULONGLONG>(st.st_size);
}

ULONGLONG CFile::Seek(std::int64_t lOff, UINT nFrom)
{
    const int whence = nFrom == end ? SEEK_END : nFrom == current ? SEEK_CUR : SEEK_SET;
    const off_t position = ::lseek(m_fd, static_cast<off_t>(lOff), whence);
    if (position < 0)
        throw new CFileException(CFileException::genericException, errno);
    return static_cast<ULONGLONG>(position);
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    const auto* in = static_cast<const char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        const ssize_t n = ::write(m_fd, in + done, nCount - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw new CFileException(CFileException::genericException, n < 0 ? errno : ENOSPC);
        done += static_cast<UINT>(n);
    }
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    struct stat st {};
    if (lpszFileName == nullptr || ::stat(lpszFileName, &st) != 0)
        return FALSE;
    rStatus.m_size = static_cast<ULONGLONG>(st.st_size);
    rStatus.m_attribute = S_ISDIR(st.st_mode) ? 0x10 : 0;
    rStatus.m_szFullName = lpszFileName;
    return TRUE;
}

void CFile::Remove(LPCSTR lpszFileName)
{
    struct stat st {};
    // Deleting removes files only, as on Windows: a directory of the same name is an error.
    if (::lstat(lpszFileName, &st) == 0 && S_ISDIR(st.st_mode))
        throw new CFileException(CFileException::accessDenied, EISDIR, lpszFileName);
    if (::unlink(lpszFileName) != 0)
        throw new CFileException(CauseOf(errno), errno, lpszFileName);
}
