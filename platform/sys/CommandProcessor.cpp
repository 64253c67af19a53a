#include "platform/sys/CommandProcessor.h"

#include <cerrno>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// "./" before the first word when that word names a file in the current directory.
std::string LookInCurrentDirectoryFirst(const std::string& commandLine)
{
    const std::size_t start = commandLine.find_first_not_of(" \t");
    if (start == std::string::npos)
        return commandLine;
    const std::size_t end = commandLine.find_first_of(" \t", start);
    const std::string firstWord = commandLine.substr(start, end == std::string::npos ? std::string::npos : end - start);
    struct stat status {};
    if (firstWord.find('/') != std::string::npos || ::stat(firstWord.c_str(), &status) != 0 || S_ISDIR(status.st_mode))
        return commandLine;
    return commandLine.substr(0, start) + "./" + commandLine.substr(start);
}

}  // namespace

int RunCommandLine(LPCSTR lpszCommandLine)
{
    if (lpszCommandLine == nullptr)
        return -1;
    const std::string commandLine = LookInCurrentDirectoryFirst(lpszCommandLine);
    char shell[] = "/bin/sh";
    char option[] = "-c";
    char* argv[] = {shell, option, const_cast<char*>(commandLine.c_str()), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, shell, nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}
