#include "WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& what, const std::string& path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<char>& contents, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason("cannot open", path);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = "not a regular file: " + path;
        ::close(fd);
        return false;
    }
    contents.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == contents.size())
            contents.resize(done + 65536);  // the file may have grown since fstat
        const ssize_t n = ::read(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = Reason("cannot read", path);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    contents.resize(done);
    ::close(fd);
    return true;
}

bool PublishFile(const std::string& path, const char* data, std::size_t size, std::string& error)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = Reason("cannot create a file beside", path);
        return false;
    }
    bool written = ::fchmod(fd, 0644) == 0;
    for (std::size_t done = 0; written && done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            written = false;
        else
            done += static_cast<std::size_t>(n);
    }
    written = written && ::fsync(fd) == 0;
    if (::close(fd) != 0)
        written = false;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = Reason("cannot write", path);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
