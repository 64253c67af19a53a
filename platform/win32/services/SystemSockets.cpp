#include <mutex>

#include "platform/services/RealServices.h"
#include "platform/win32/services/SystemShim.h"

// Winsock is started once for the process, whoever asks first; it stays started until the process
// ends, as it does for a program that calls AfxSocketInit at start-up.
bool platform::StartSystemSockets()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] { started = win32::services::StartWinsock(); });
    return started;
}
