// The simulated scale for the Windows test programs. The scale is a Linux program (Python with
// pyftpdlib); under Wine a Windows program starts it as it starts any program, but cannot wait on it
// or signal it, and names holding a backslash or a colon ("d:\boot.bin") are not Windows names. So
// every step on the Linux side runs through /bin/sh and tells its end by a file, and the stored files
// are read through copies under plain names. Paths on the Linux side are reached through drive Z:,
// which Wine maps to the root folder.
#include "tests/support/ScaleSimulator.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

namespace tarvel::test {

namespace {

constexpr const char* kPython = "/usr/bin/python3";  // Debian's interpreter, the one with pyftpdlib

std::string WindowsPath(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

std::string Quoted(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool Exists(const std::string& unixPath)
{
    std::error_code ignored;
    return std::filesystem::exists(WindowsPath(unixPath), ignored);
}

// Starts a shell command line on the Linux side; false when it cannot be started.
bool StartShell(const std::string& command)
{
    std::string line = "Z:\\bin\\sh -c \"" + command + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Runs a shell command line on the Linux side and waits until it has ended (at most 10 s).
void RunShell(const std::string& workDir, const std::string& command)
{
    static std::atomic<int> counter{0};
    const std::string done = workDir + "/done." + std::to_string(++counter);
    if (!StartShell(command + "; : > " + Quoted(done)))
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Exists(done) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace

std::string ScaleSimulatorScript()
{
    if (const char* script = std::getenv("TARVEL_SCALE_SIM"))
        return script;
    return std::string(TARVEL_SOURCE_DIR) + "/tools/scale-sim/scale_sim.py";
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScaleSimulator::ScaleSimulator(const std::string& address, const std::vector<std::string>& options, int port,
                               double timeoutSeconds)
{
    // Process numbers repeat across the tests' Wine servers, one per namespace: the name is random.
    std::random_device entropy;
    m_workDir = "/tmp/scale-sim-w." + std::to_string(entropy()) + std::to_string(entropy());
    m_folder = m_workDir + "/store";
    std::error_code failed;
    std::filesystem::create_directories(WindowsPath(m_folder), failed);
    if (failed) {
        m_error = "cannot make a temporary folder";
        m_workDir.clear();
        return;
    }
    std::string command = "echo $$ > " + Quoted(m_workDir + "/pid") + "; exec " + kPython;
    for (const std::string& arg : {ScaleSimulatorScript(), std::string("--address"), address, std::string("--port"),
                                   std::to_string(port), std::string("--root"), m_folder, std::string("--ready-file"),
                                   m_workDir + "/ready", std::string("--command-log"), m_workDir + "/commands.log"})
        command += " " + Quoted(arg);
    for (const std::string& option : options)
        command += " " + Quoted(option);
    command += " > " + Quoted(m_workDir + "/output.log") + " 2>&1";
    if (!StartShell(command)) {
        m_error = std::string("cannot start ") + kPython;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (m_pid <= 0)
            m_pid = std::atoi(ReadWholeFile(WindowsPath(m_workDir + "/pid")).c_str());
        if (Exists(m_workDir + "/ready")) {
            m_ready = true;
            return;
        }
        if (m_pid > 0 && !Exists("/proc/" + std::to_string(m_pid))) {
            m_pid = -1;
            m_error = "the simulated scale ended before it was ready: " + Output();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_error = "the simulated scale was not ready in time: " + Output();
}

ScaleSimulator::~ScaleSimulator()
{
    if (m_pid > 0) {
        const std::string process = "/proc/" + std::to_string(m_pid);
        RunShell(m_workDir, "kill " + std::to_string(m_pid));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (Exists(process) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (Exists(process))
            RunShell(m_workDir, "kill -9 " + std::to_string(m_pid));
    }
    if (!m_workDir.empty())
        StartShell("rm -rf " + Quoted(m_workDir));
}

// A copy of the stored file under a plain name; a path to nothing when the scale holds no such file.
std::string ScaleSimulator::StoredPath(const std::string& remoteName) const
{
    static std::atomic<int> counter{0};
    const std::string copy = m_workDir + "/copy." + std::to_string(++counter);
    RunShell(m_workDir, "cp -- " + Quoted(m_folder + "/" + remoteName) + " " + Quoted(copy));
    return WindowsPath(copy);
}

std::vector<std::string> ScaleSimulator::StoredNames() const
{
    const std::string list = m_workDir + "/names";
    RunShell(m_workDir, "ls -1A " + Quoted(m_folder) + " > " + Quoted(list));
    std::vector<std::string> names;
    const std::string text = ReadWholeFile(WindowsPath(list));
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        names.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return names;
}

std::string ScaleSimulator::Commands() const { return ReadWholeFile(WindowsPath(m_workDir + "/commands.log")); }
std::string ScaleSimulator::Output() const { return ReadWholeFile(WindowsPath(m_workDir + "/output.log")); }

}  // namespace tarvel::test
