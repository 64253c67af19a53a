#include "platform/sys/CopyFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool CopyContents(int from, int to)
{
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return false;
            done += put;
        }
    }
}

}  // namespace

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists)
{
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr)
        return FALSE;
    const int from = ::open(lpExistingFileName, O_RDONLY | O_CLOEXEC);
    if (from < 0)
        return FALSE;
    struct stat source {};
    if (::fstat(from, &source) != 0 || !S_ISREG(source.st_mode)) {
        ::close(from);
        return FALSE;
    }

    // The target is cut only once it is known not to be the source itself.
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (bFailIfExists ? O_EXCL : 0);
    const int to = ::open(lpNewFileName, flags, source.st_mode & 0777);
    if (to < 0) {
        ::close(from);
        return FALSE;
    }
    struct stat target {};
    if (::fstat(to, &target) != 0 || (target.st_dev == source.st_dev && target.st_ino == source.st_ino)) {
        ::close(to);
        ::close(from);
        return FALSE;
    }

    bool copied = ::ftruncate(to, 0) == 0 && CopyContents(from, to);
    if (::close(to) != 0)
        copied = false;
    ::close(from);
    if (!copied)
        ::unlink(lpNewFileName);
    return copied ? TRUE : FALSE;
}
