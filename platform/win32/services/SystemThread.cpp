#include <system_error>
#include <thread>

#include "platform/services/RealServices.h"

// A worker on a thread of its own (the posix thread model's std::thread over a Win32 thread),
// detached as the framework's worker threads are: the page hears of its end by a posted message.
bool platform::StartSystemThread(std::function<void()> work)
{
    try {
        std::thread(std::move(work)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}
