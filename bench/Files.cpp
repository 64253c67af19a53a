#include "bench/Files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

bool SameContents(const std::string& a, const std::string& b)
{
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    if (!first || !second)
        return false;
    std::vector<char> one(1 << 20);
    std::vector<char> two(1 << 20);
    for (;;) {
        first.read(one.data(), static_cast<std::streamsize>(one.size()));
        second.read(two.data(), static_cast<std::streamsize>(two.size()));
        if (first.gcount() != second.gcount())
            return false;
        if (!std::equal(one.begin(), one.begin() + first.gcount(), two.begin()))
            return false;
        if (first.gcount() == 0 || !first)
            return first.eof() && second.eof();
    }
}

long long SizeOf(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<long long>(size);
}
