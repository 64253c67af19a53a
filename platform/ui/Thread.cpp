#include "platform/ui/Thread.h"

#include <atomic>
#include <system_error>
#include <thread>

namespace {
std::atomic<bool> g_failNextStart{false};
std::atomic<int> g_running{0};
}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int, UINT, DWORD, void*)
{
    if (g_failNextStart.exchange(false))
        return nullptr;
    auto* thread = new CWinThread();
    ++g_running;
    try {
        std::thread([pfnThreadProc, pParam, thread] {
            pfnThreadProc(pParam);
            delete thread;
            --g_running;
        }).detach();
    } catch (const std::system_error&) {
        delete thread;
        --g_running;
        return nullptr;
    }
    return thread;
}

namespace platform::seams {
void FailNextThreadStart() { g_failNextStart = true; }
int RunningWorkerThreads() { return g_running.load(); }
}  // namespace platform::seams
