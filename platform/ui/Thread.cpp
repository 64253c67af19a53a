#include "platform/ui/Thread.h"

#include <system_error>
#include <thread>

#include "platform/services/RealServices.h"

namespace {
class SystemThreads : public platform::WorkerService {
public:
    bool Start(std::function<void()> work) override
    {
        try {
            std::thread(std::move(work)).detach();
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }
};
}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int, UINT, DWORD, void*)
{
    auto* thread = new CWinThread();
    const bool started = platform::Services().workers->Start([pfnThreadProc, pParam, thread] {
        pfnThreadProc(pParam);
        delete thread;
    });
    if (!started) {
        delete thread;
        return nullptr;
    }
    return thread;
}

std::shared_ptr<platform::WorkerService> platform::MakeSystemThreads()
{
    return std::make_shared<SystemThreads>();
}
