#include "tests/support/NetTestFile.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace tarvel::test {

// A fresh folder of its own under the system's temporary folder, on either platform.
NetTestFile::NetTestFile(std::size_t size, unsigned seed)
{
    namespace fs = std::filesystem;
    std::random_device unique;
    std::error_code failed;
    for (int attempt = 0; attempt < 100 && m_dir.empty(); ++attempt) {
        const fs::path dir = fs::temp_directory_path(failed) / ("net-test-file." + std::to_string(unique()));
        if (fs::create_directory(dir, failed))
            m_dir = dir.string();
    }
    m_path = (fs::path(m_dir) / "BOOT.BIN").string();
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
