// A local file for upload tests, filled with reproducible pseudo-random bytes and removed when the
// object goes.
#pragma once

#include <cstddef>
#include <string>

namespace tarvel::test {

class NetTestFile {
public:
    NetTestFile(std::size_t size, unsigned seed);
    ~NetTestFile();
    NetTestFile(const NetTestFile&) = delete;
    NetTestFile& operator=(const NetTestFile&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_dir;
    std::string m_path;
    std::string m_bytes;
};

}  // namespace tarvel::test
