#include "bench/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/Clock.h"

extern char** environ;

namespace {

int OpenProcessHandle(pid_t pid)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

int StatusOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

}  // namespace

ChildRun RunChild(const std::vector<std::string>& argv, const std::string& outputPath, bool withReadyPipe,
                  int timeoutMs)
{
    ChildRun run;
    int ready[2] = {-1, -1};
    if (withReadyPipe && ::pipe2(ready, O_CLOEXEC) != 0)
        return run;

    std::vector<std::string> args = argv;
    std::vector<char*> pointers;
    for (std::string& arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.empty() ? "/dev/null" : outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (withReadyPipe)
        posix_spawn_file_actions_adddup2(&actions, ready[1], 3);  // dup2 clears close-on-exec

    pid_t pid = -1;
    const BenchClock::time_point start = BenchClock::now();
    const int spawned = ::posix_spawnp(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (withReadyPipe)
        ::close(ready[1]);
    if (spawned != 0) {
        if (withReadyPipe)
            ::close(ready[0]);
        return run;
    }
    run.started = true;

    // Waits for the ready byte and the end together, without polling in slices that would blur the
    // time. Without a process handle (a kernel older than 5.3) only the end is timed.
    const int processHandle = OpenProcessHandle(pid);
    bool ended = false;
    bool watchingReady = withReadyPipe;
    if (processHandle >= 0) {
        const BenchClock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
        while (!ended) {
            const double left = MsBetween(BenchClock::now(), deadline);
            if (left <= 0) {
                run.timedOut = true;
                ::kill(pid, SIGKILL);
                break;
            }
            pollfd watched[2] = {{processHandle, POLLIN, 0}, {ready[0], POLLIN, 0}};
            const int count = ::poll(watched, watchingReady ? 2 : 1, static_cast<int>(left) + 1);
            if (count < 0 && errno != EINTR)
                break;
            if (watchingReady && (watched[1].revents & (POLLIN | POLLHUP | POLLERR))) {
                const BenchClock::time_point at = BenchClock::now();
                char byte = 0;
                if (::read(ready[0], &byte, 1) == 1)
                    run.readyMs = MsBetween(start, at);
                watchingReady = false;  // a byte, or the pipe closed without one
            }
            if (watched[0].revents & POLLIN)
                ended = true;
        }
        ::close(processHandle);
    }

    int status = 0;
    rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const BenchClock::time_point end = BenchClock::now();
    if (withReadyPipe)
        ::close(ready[0]);
    run.wallMs = MsBetween(start, end);
    run.exitStatus = StatusOf(status);
    run.maxRssKb = usage.ru_maxrss;
    return run;
}
