#include "tests/support/NetNamespace.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace tarvel::test {

namespace {
// Whether the address sits on a loopback interface that is up. Binding to it is no proof: in a fresh
// namespace whose loopback is still down, binding to any address succeeds.
bool IsOnLoopback(const char* address)
{
    in_addr wanted{};
    if (::inet_pton(AF_INET, address, &wanted) != 1)
        return false;
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0)
        return false;
    bool found = false;
    for (const ifaddrs* i = interfaces; i != nullptr && !found; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET)
            continue;
        const auto* inet = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        found = inet->sin_addr.s_addr == wanted.s_addr && (i->ifa_flags & IFF_LOOPBACK) != 0 &&
                (i->ifa_flags & IFF_UP) != 0;
    }
    ::freeifaddrs(interfaces);
    return found;
}
}  // namespace

bool InsideTestNamespace()
{
    const char* flag = std::getenv("TARVEL_NETNS");
    return flag != nullptr && std::strcmp(flag, "1") == 0 && IsOnLoopback(kRecoveryAddress) &&
           IsOnLoopback(kTestModeAddress);
}

}  // namespace tarvel::test
