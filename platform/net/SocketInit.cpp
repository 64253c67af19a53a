#include "platform/net/SocketInit.h"

#include <sys/socket.h>
#include <unistd.h>

#include "platform/services/RealServices.h"

namespace {
// Sockets here need no start-up of their own; the check is that the system lets the process make one.
class SystemSockets : public platform::SocketService {
public:
    bool Start() override
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        ::close(fd);
        return true;
    }
};
}  // namespace

BOOL AfxSocketInit(void*)
{
    return platform::Services().sockets->Start() ? TRUE : FALSE;
}

std::shared_ptr<platform::SocketService> platform::MakeSystemSockets()
{
    return std::make_shared<SystemSockets>();
}
