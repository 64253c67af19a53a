#include "tests/support/TempDir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

// A random name under the system's temporary folder, tried again when it is taken, so that test
// programs run side by side never share a folder.
TempDir::TempDir()
{
    static std::atomic<unsigned> made{0};
    std::random_device device;
    std::mt19937_64 random(device() ^ static_cast<std::uint64_t>(
                                          std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            base / ("tarvel-test-" + std::to_string(random() % 1000000000u) + "-" + std::to_string(made++));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            m_path = candidate.string();
            return;
        }
    }
    throw fs::filesystem_error("no temporary folder could be made", base, std::error_code());
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}
