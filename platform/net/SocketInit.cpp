#include "platform/net/SocketInit.h"

#include <atomic>

namespace {
std::atomic<bool> g_initFails{false};
}

// Sockets here need no start-up of their own; what is left is the answer the start-up test asks for.
BOOL AfxSocketInit(void*)
{
    return g_initFails.load() ? FALSE : TRUE;
}

namespace platform::seams {
void SetSocketInitFails(bool fails) { g_initFails.store(fails); }
}
