#include "platform/net/WinSock.h"

#include <climits>
#include <vector>

#include "platform/net/PosixSocket.h"

namespace winsock {
namespace {

thread_local int t_lastError = 0;

// A handle that cannot be one of ours (the descriptors of this platform are small non-negative ints).
bool ToDescriptor(SOCKET s, int* fd)
{
    if (s == 0 || s > static_cast<SOCKET>(INT_MAX)) {
        t_lastError = WSAENOTSOCK;
        return false;
    }
    *fd = static_cast<int>(s);
    return true;
}

int Fail(int error)
{
    t_lastError = error;
    return SOCKET_ERROR;
}

u_int CountOf(const fd_set* set) { return set == nullptr ? 0 : set->fd_count; }

}  // namespace

SOCKET socket(int af, int type, int protocol)
{
    if (af != AF_INET) {
        t_lastError = WSAEAFNOSUPPORT;
        return INVALID_SOCKET;
    }
    int error = 0;
    const int fd = platform::net::OpenSocket(type, protocol, &error);
    if (fd < 0) {
        t_lastError = error;
        return INVALID_SOCKET;
    }
    return static_cast<SOCKET>(fd);
}

int connect(SOCKET s, const SOCKADDR* name, int namelen)
{
    int fd = 0;
    if (!ToDescriptor(s, &fd))
        return SOCKET_ERROR;
    if (name == nullptr || namelen < static_cast<int>(sizeof(SOCKADDR_IN)))
        return Fail(WSAEFAULT);
    const auto* address = reinterpret_cast<const SOCKADDR_IN*>(name);
    if (address->sin_family != AF_INET)
        return Fail(WSAEAFNOSUPPORT);
    const int error = platform::net::ConnectSocket(fd, address->sin_addr.S_addr, address->sin_port);
    return error == 0 ? 0 : Fail(error);
}

int ioctlsocket(SOCKET s, long cmd, u_long* argp)
{
    int fd = 0;
    if (!ToDescriptor(s, &fd))
        return SOCKET_ERROR;
    if (cmd != FIONBIO)
        return Fail(WSAEINVAL);
    if (argp == nullptr)
        return Fail(WSAEFAULT);
    const int error = platform::net::SetNonBlocking(fd, *argp != 0);
    return error == 0 ? 0 : Fail(error);
}

int select(int /*nfds*/, fd_set* readfds, fd_set* writefds, fd_set* exceptfds, const timeval* timeout)
{
    if (CountOf(readfds) + CountOf(writefds) + CountOf(exceptfds) == 0)
        return Fail(WSAEINVAL);
    if (timeout != nullptr && (timeout->tv_sec < 0 || timeout->tv_usec < 0))
        return Fail(WSAEINVAL);

    // One entry per socket, with everything asked of it.
    std::vector<platform::net::WaitItem> items;
    auto ask = [&items](const fd_set* set, bool platform::net::WaitItem::*want) {
        for (u_int i = 0; set != nullptr && i < set->fd_count; ++i) {
            int fd = 0;
            if (!ToDescriptor(set->fd_array[i], &fd))
                return false;
            platform::net::WaitItem* item = nullptr;
            for (auto& existing : items)
                if (existing.fd == fd)
                    item = &existing;
            if (item == nullptr) {
                items.push_back(platform::net::WaitItem{fd, false, false, false, false, false, false, 0});
                item = &items.back();
            }
            item->*want = true;
        }
        return true;
    };
    if (!ask(readfds, &platform::net::WaitItem::wantRead) || !ask(writefds, &platform::net::WaitItem::wantWrite) ||
        !ask(exceptfds, &platform::net::WaitItem::wantExcept))
        return SOCKET_ERROR;

    // Whole milliseconds, rounded up so that a short limit still waits.
    const long long timeoutMs =
        timeout == nullptr ? -1 : static_cast<long long>(timeout->tv_sec) * 1000 + (timeout->tv_usec + 999) / 1000;
    int error = 0;
    const int ready = platform::net::WaitSockets(items, timeoutMs, &error);
    if (ready < 0)
        return Fail(error);

    // Each set keeps only its ready sockets, in their order.
    auto keep = [&items](fd_set* set, bool platform::net::WaitItem::*isReady) {
        if (set == nullptr)
            return;
        u_int kept = 0;
        for (u_int i = 0; i < set->fd_count; ++i)
            for (const auto& item : items)
                if (static_cast<SOCKET>(item.fd) == set->fd_array[i] && item.*isReady)
                    set->fd_array[kept++] = set->fd_array[i];
        set->fd_count = kept;
    };
    keep(readfds, &platform::net::WaitItem::readReady);
    keep(writefds, &platform::net::WaitItem::writeReady);
    keep(exceptfds, &platform::net::WaitItem::exceptReady);

    // A failed connect names its cause as the thread's last error, so that the caller reporting the
    // failure tells a refused connection from an unreachable scale.
    for (const auto& item : items) {
        if (item.exceptReady && item.connectError != 0) {
            t_lastError = item.connectError;
            break;
        }
    }
    return ready;
}

int closesocket(SOCKET s)
{
    int fd = 0;
    if (!ToDescriptor(s, &fd))
        return SOCKET_ERROR;
    const int error = platform::net::CloseSocket(fd);
    return error == 0 ? 0 : Fail(error);
}

int WSAGetLastError() { return t_lastError; }

void WSASetLastError(int iError) { t_lastError = iError; }

u_short htons(u_short hostshort)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return hostshort;
#else
    return static_cast<u_short>((hostshort >> 8) | (hostshort << 8));
#endif
}

u_long inet_addr(const char* cp) { return platform::net::ParseInetAddress(cp); }

}  // namespace winsock
