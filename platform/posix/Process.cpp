#include "platform/sys/Process.h"

#include <cerrno>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

char* _getcwd(char* buffer, int maxlen)
{
    return buffer != nullptr && maxlen > 0 ? ::getcwd(buffer, static_cast<std::size_t>(maxlen)) : nullptr;
}

int _chdir(const char* dirname)
{
    return dirname != nullptr && ::chdir(dirname) == 0 ? 0 : -1;
}

int RunCommandLine(LPCSTR lpszCommandLine)
{
    if (lpszCommandLine == nullptr)
        return -1;
    // "./" before the first word when that word names a file in the current directory.
    std::string commandLine = lpszCommandLine;
    const std::size_t start = commandLine.find_first_not_of(" \t");
    if (start != std::string::npos) {
        const std::string firstWord = commandLine.substr(start, commandLine.find_first_of(" \t", start) - start);
        struct stat status {};
        if (firstWord.find('/') == std::string::npos && ::stat(firstWord.c_str(), &status) == 0 &&
            !S_ISDIR(status.st_mode))
            commandLine.insert(start, "./");
    }
    char shell[] = "/bin/sh";
    char option[] = "-c";
    char* argv[] = {shell, option, commandLine.data(), nullptr};
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
