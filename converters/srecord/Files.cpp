#include "Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Reason(const std::string& what, const std::string& path, int number)
{
    return what + " " + path + ": " + std::strerror(number);
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<char>& contents, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = Reason("cannot open", path, errno);
        return false;
    }
    contents.clear();
    char block[65536];
    std::size_t n;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0)
        contents.insert(contents.end(), block, block + n);
    const bool failed = std::ferror(file) != 0;
    const int number = errno;
    std::fclose(file);
    if (failed) {
        error = Reason("cannot read", path, number);
        return false;
    }
    return true;
}

bool WriteImageFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error)
{
    const std::string partial = path + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) {
        error = Reason("cannot create", partial, errno);
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    int number = errno;
    written = std::fclose(file) == 0 && written;
    if (written) {
        // rename does not replace an existing file on Windows.
        std::remove(path.c_str());
        written = std::rename(partial.c_str(), path.c_str()) == 0;
    }
    if (!written) {
        number = errno;
        std::remove(partial.c_str());
        error = Reason("cannot write", path, number);
    }
    return written;
}
