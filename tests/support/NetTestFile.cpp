#include "tests/support/NetTestFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace tarvel::test {

NetTestFile::NetTestFile(std::size_t size, unsigned seed)
{
    // A folder of its own in the system's temporary folder, on either platform.
    std::random_device entropy;
    std::error_code failed;
    for (int attempt = 0; attempt < 100 && m_dir.empty(); ++attempt) {
        const auto dir = std::filesystem::temp_directory_path(failed) / ("net-test-file." + std::to_string(entropy()));
        if (!failed && std::filesystem::create_directory(dir, failed))
            m_dir = dir.string();
    }
    m_path = (std::filesystem::path(m_dir) / "BOOT.BIN").string();
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
