// The processor time another process has used so far, read from /proc: how busy the simulated scale
// was during the upload runs tells whether it, rather than the sender, set the pace.
#pragma once

#include <string>
#include <sys/types.h>

// The process whose command line holds both texts (for example the simulator's script and its
// storage folder), or -1.
pid_t FindProcess(const std::string& first, const std::string& second);
// User and system time of the process in milliseconds (clock-tick resolution), or -1.
double ProcessCpuMs(pid_t pid);
