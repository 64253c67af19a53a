#include "tests/support/NetNamespace.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvel::test {

namespace {
// Binding to an address succeeds only when the address belongs to this machine.
bool IsLocalAddress(const char* address)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = 0;
    ::inet_pton(AF_INET, address, &local.sin_addr);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
    ::close(fd);
    return bound;
}
}  // namespace

bool InsideTestNamespace()
{
    const char* flag = std::getenv("TARVEL_NETNS");
    return flag != nullptr && std::strcmp(flag, "1") == 0 && IsLocalAddress(kRecoveryAddress) &&
           IsLocalAddress(kTestModeAddress);
}

}  // namespace tarvel::test
