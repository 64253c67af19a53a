// Whether a Windows test program runs inside the rig's namespace. Winsock has no view of the Linux
// interfaces' flags, so an address counts as on this machine's loopback when a listener bound to it
// takes a connection from itself: that fails where the address is not local or the loopback is down.
#include "tests/support/NetNamespace.h"

#include <winsock2.h>

#include <cstdlib>
#include <cstring>

namespace tarvel::test {

namespace {
bool ReachesItself(const char* address)
{
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = ::inet_addr(address);
    int length = sizeof local;
    const SOCKET listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const SOCKET client = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const bool reached = listener != INVALID_SOCKET && client != INVALID_SOCKET &&
                         ::bind(listener, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0 &&
                         ::listen(listener, 1) == 0 &&
                         ::getsockname(listener, reinterpret_cast<sockaddr*>(&local), &length) == 0 &&
                         ::connect(client, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
    ::closesocket(client);
    ::closesocket(listener);
    ::WSACleanup();
    return reached;
}
}  // namespace

bool InsideTestNamespace()
{
    const char* flag = std::getenv("TARVEL_NETNS");
    return flag != nullptr && std::strcmp(flag, "1") == 0 && ReachesItself(kRecoveryAddress) &&
           ReachesItself(kTestModeAddress);
}

}  // namespace tarvel::test
