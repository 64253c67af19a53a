// Runs another program and times it from just before it is started to its end, with its peak memory.
// A program may also say when it is ready by writing a byte to descriptor 3 (a pipe to this process),
// which gives the time to that moment.
#pragma once

#include <string>
#include <vector>

struct ChildRun {
    bool started = false;
    bool timedOut = false;
    int exitStatus = -1;  // the exit code, or 128 + the signal
    double wallMs = 0;    // start to end
    double readyMs = -1;  // start to the ready byte; -1 when none came
    long maxRssKb = 0;    // the child's peak resident set
};

// outputPath receives the child's stdout and stderr ("" discards them). withReadyPipe gives the child
// descriptor 3. A child still running after timeoutMs is killed.
ChildRun RunChild(const std::vector<std::string>& argv, const std::string& outputPath, bool withReadyPipe,
                  int timeoutMs);
