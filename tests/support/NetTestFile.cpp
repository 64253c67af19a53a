#include "tests/support/NetTestFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace tarvel::test {

NetTestFile::NetTestFile(std::size_t size, unsigned seed)
{
    char pattern[] = "/tmp/net-test-file.XXXXXX";
    if (::mkdtemp(pattern) != nullptr)
        m_dir = pattern;
    m_path = m_dir + "/BOOT.BIN";
    std::mt19937 random(seed);
    m_bytes.resize(size);
    for (auto& byte : m_bytes)
        byte = static_cast<char>(random() & 0xFF);
    std::ofstream(m_path, std::ios::binary).write(m_bytes.data(), static_cast<std::streamsize>(m_bytes.size()));
}

NetTestFile::~NetTestFile()
{
    std::error_code ignored;
    if (!m_dir.empty())
        std::filesystem::remove_all(m_dir, ignored);
}

}  // namespace tarvel::test
