#include "platform/net/InternetFaults.h"

#include <atomic>

namespace {
std::atomic<platform::seams::InternetFault> g_fault{platform::seams::InternetFault::None};
}

namespace platform::seams {
void InjectInternetFault(InternetFault fault) { g_fault.store(fault); }
InternetFault TakeInternetFault() { return g_fault.exchange(InternetFault::None); }
}  // namespace platform::seams
