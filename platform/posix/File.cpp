#include "platform/sys/File.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags)
{
    Close();
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return FALSE;
    const int access = (nOpenFlags & modeWrite) ? O_WRONLY : O_RDONLY;
    const int fd = ::open(lpszFileName, O_CLOEXEC | access | ((nOpenFlags & modeCreate) ? O_CREAT : 0), 0666);
    if (fd < 0)
        return FALSE;
    // The lock is held for as long as the file is open, so a second writer is refused; the file is cut
    // only once the lock is held, never under another holder.
    if (((nOpenFlags & shareDenyWrite) && ::flock(fd, LOCK_EX | LOCK_NB) != 0) ||
        ((nOpenFlags & modeCreate) && !(nOpenFlags & modeNoTruncate) && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
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
    return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? static_cast<ULONGLONG>(st.st_size) : 0;
}

ULONGLONG CFile::SeekToEnd()
{
    const off_t position = ::lseek(m_fd, 0, SEEK_END);
    if (position < 0)
        throw new CFileException;
    return static_cast<ULONGLONG>(position);
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    for (UINT done = 0; done < nCount;) {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(lpBuf) + done, nCount - done);
        if (n > 0)
            done += static_cast<UINT>(n);
        else if (n == 0 || errno != EINTR)
            throw new CFileException;  // a full disk, for one
    }
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus&)
{
    struct stat st {};
    return lpszFileName != nullptr && ::stat(lpszFileName, &st) == 0;
}

void CFile::Remove(LPCSTR lpszFileName)
{
    // unlink removes files only, as Windows does: a directory of the same name is an error (EISDIR).
    if (::unlink(lpszFileName) != 0)
        throw new CFileException;
}

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists)
{
    namespace fs = std::filesystem;
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr)
        return FALSE;
    // Nothing is written before the source is known to be a readable regular file, and the target,
    // where there is one, a writable regular file other than the source. A copy that fails after
    // that has begun to write, and the partly written target goes.
    std::error_code error;
    const fs::file_status target = fs::status(lpNewFileName, error);
    if (!fs::is_regular_file(lpExistingFileName, error) || !std::ifstream(lpExistingFileName) ||
        (fs::exists(target) && (bFailIfExists || !fs::is_regular_file(target) ||
                                fs::equivalent(lpExistingFileName, lpNewFileName, error) ||
                                !std::ofstream(lpNewFileName, std::ios::app))))
        return FALSE;
    if (fs::copy_file(lpExistingFileName, lpNewFileName, fs::copy_options::overwrite_existing, error))
        return TRUE;
    fs::remove(lpNewFileName, error);
    return FALSE;
}

BOOL IsRunnableFile(LPCSTR lpszFileName)
{
    struct stat status {};
    if (lpszFileName == nullptr || ::stat(lpszFileName, &status) != 0 || !S_ISREG(status.st_mode))
        return FALSE;
    // The effective IDs decide, as they do when the command processor starts the file.
    return ::faccessat(AT_FDCWD, lpszFileName, X_OK, AT_EACCESS) == 0;
}
