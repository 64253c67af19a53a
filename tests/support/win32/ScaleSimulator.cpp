// The simulated scale for a Windows test program under Wine. scale_sim.py is a Linux program that a
// Windows process cannot start, so tests/win32/scale-sim-launcher.py, started by the emulator beside
// the program in the test's namespace, starts and stops it on request: each simulator is a folder
// under TARVEL_SIM_REQUESTS holding the request, the launcher's answers and the simulator's files
// (Wine's Z: drive is the Linux root, so both sides read the same folder).
#include "tests/support/ScaleSimulator.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace tarvel::test {

namespace {
namespace fs = std::filesystem;

// Writes the file whole before it appears under its name, so the launcher never reads half of it.
void Publish(const std::string& path, const std::string& text)
{
    std::ofstream(path + ".tmp", std::ios::binary) << text;
    fs::rename(path + ".tmp", path);
}

bool WaitForFile(const std::string& path, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Asks the launcher about the simulator's folder; the answer, or an empty string after 5 s.
std::string Ask(const std::string& workDir, const std::string& question)
{
    static std::atomic<int> next{0};
    const std::string n = std::to_string(next++);
    Publish(workDir + "/q." + n, question);
    return WaitForFile(workDir + "/a." + n, 5.0) ? ReadWholeFile(workDir + "/a." + n) : std::string();
}

std::string Hex(const std::string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text)
        hex += {digits[c >> 4], digits[c & 15]};
    return hex;
}

std::string Unhex(const std::string& hex)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return text;
}
}  // namespace

std::string ScaleSimulatorScript()
{
    // The launcher runs the rig's simulator; the program never names it.
    const char* script = std::getenv("TARVEL_SCALE_SIM");
    return script != nullptr ? script : "";
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScaleSimulator::ScaleSimulator(const std::string& address, const std::vector<std::string>& options, int port,
                               double timeoutSeconds)
{
    const char* requests = std::getenv("TARVEL_SIM_REQUESTS");
    if (requests == nullptr) {
        m_error = "no scale launcher: run the test through tests/win32/wine-net-test.sh";
        return;
    }
    static std::atomic<int> next{0};
    m_workDir = std::string(requests) + "/scale." + std::to_string(next++);
    m_folder = m_workDir + "/store";
    std::error_code made;
    if (!fs::create_directory(m_workDir, made)) {
        m_error = "cannot make " + m_workDir;
        m_workDir.clear();
        return;
    }
    std::string request = address + "\n" + std::to_string(port) + "\n";
    for (const auto& option : options)
        request += option + "\n";
    Publish(m_workDir + "/request", request);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (fs::exists(m_workDir + "/ready")) {
            m_ready = true;
            return;
        }
        if (fs::exists(m_workDir + "/ended")) {
            m_error = "the simulated scale ended before it was ready: " + Output();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_error = "the simulated scale was not ready in time: " + Output();
}

ScaleSimulator::~ScaleSimulator()
{
    if (m_workDir.empty())
        return;
    // The launcher stops the simulator and removes the folder: a stored name such as d:\boot.bin
    // cannot be removed from here.
    Publish(m_workDir + "/stop", "");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (fs::exists(m_workDir) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

std::string ScaleSimulator::StoredPath(const std::string& remoteName) const
{
    // A stored name such as d:\boot.bin has no Windows spelling: read it through a hard link.
    Ask(m_workDir, "link " + Hex(remoteName));
    return m_workDir + "/view/" + Hex(remoteName);
}

std::vector<std::string> ScaleSimulator::StoredNames() const
{
    std::vector<std::string> names;
    std::istringstream lines(Ask(m_workDir, "list"));
    for (std::string line; std::getline(lines, line);)
        names.push_back(Unhex(line));
    return names;
}

std::string ScaleSimulator::Commands() const { return ReadWholeFile(m_workDir + "/commands.log"); }

std::string ScaleSimulator::Output() const { return ReadWholeFile(m_workDir + "/output.log"); }

}  // namespace tarvel::test
