#include "tests/support/ScaleSimulator.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tarvel::test {

namespace {
constexpr const char* kPython = "/usr/bin/python3";  // Debian's interpreter, the one with pyftpdlib

bool Exited(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) == pid;
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
    char pattern[] = "/tmp/scale-sim.XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        m_error = "cannot make a temporary folder";
        return;
    }
    m_workDir = pattern;
    m_folder = m_workDir + "/store";
    std::filesystem::create_directory(m_folder);
    const std::string readyFile = m_workDir + "/ready";

    std::vector<std::string> args = {kPython,        ScaleSimulatorScript(), "--address", address,
                                     "--port",       std::to_string(port),   "--root",    m_folder,
                                     "--ready-file", readyFile,              "--command-log",
                                     m_workDir + "/commands.log"};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string outputFile = m_workDir + "/output.log";
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int spawned = ::posix_spawn(&m_pid, kPython, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        m_pid = -1;
        m_error = std::string("cannot start ") + kPython;
        return;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::filesystem::exists(readyFile)) {
            m_ready = true;
            return;
        }
        if (Exited(m_pid)) {
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
        ::kill(m_pid, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        bool gone = false;
        while (!(gone = Exited(m_pid)) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!gone) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    if (!m_workDir.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_workDir, ignored);
    }
}

std::string ScaleSimulator::StoredPath(const std::string& remoteName) const
{
    return m_folder + "/" + remoteName;
}

std::vector<std::string> ScaleSimulator::StoredNames() const
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, ignored))
        names.push_back(entry.path().filename().string());
    return names;
}

std::string ScaleSimulator::Commands() const { return ReadWholeFile(m_workDir + "/commands.log"); }

std::string ScaleSimulator::Output() const { return ReadWholeFile(m_workDir + "/output.log"); }

}  // namespace tarvel::test
