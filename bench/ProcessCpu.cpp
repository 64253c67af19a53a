#include "bench/ProcessCpu.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

pid_t FindProcess(const std::string& first, const std::string& second)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream in(entry.path() / "cmdline", std::ios::binary);
        const std::string commandLine((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (commandLine.find(first) != std::string::npos && commandLine.find(second) != std::string::npos)
            return static_cast<pid_t>(std::atoi(name.c_str()));
    }
    return -1;
}

double ProcessCpuMs(pid_t pid)
{
    if (pid <= 0)
        return -1;
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return -1;
    // The command name in brackets may hold blanks; the fields are counted after its closing bracket.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            user = std::strtoull(field.c_str(), nullptr, 10);
        else if (i == 15)
            system = std::strtoull(field.c_str(), nullptr, 10);
    }
    return static_cast<double>(user + system) * 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}
