#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

// The C library's macros of the same spelling would rewrite the Windows Sockets names.
#undef AF_INET
#undef SOCK_STREAM
#undef INADDR_NONE
#undef htons

#include "platform/net/SocketInit.h"
#include "platform/net/WinSock.h"
#include "platform/services/RealServices.h"

namespace winsock {
namespace {

thread_local int t_lastError = 0;

// Windows Sockets numbers are WSABASEERR (10000) plus the BSD error number; Linux numbers its errors
// differently, so each one is named here. Windows reports a pending connect as would-block, and a
// handle that is no (open) socket as not a socket.
int ToWsaError(int error)
{
    static const struct {
        int posix;
        int wsa;
    } kErrors[] = {
        {EINTR, 10004}, {EACCES, 10013}, {EPERM, 10013}, {EFAULT, 10014}, {EINVAL, WSAEINVAL},
        {EMFILE, WSAEMFILE}, {ENFILE, WSAEMFILE}, {EAGAIN, WSAEWOULDBLOCK}, {EINPROGRESS, WSAEWOULDBLOCK},
        {EALREADY, 10037}, {EBADF, WSAENOTSOCK}, {ENOTSOCK, WSAENOTSOCK}, {EPROTONOSUPPORT, 10043},
        {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045}, {EAFNOSUPPORT, 10047}, {EADDRINUSE, 10048},
        {EADDRNOTAVAIL, WSAEADDRNOTAVAIL}, {ENETDOWN, 10050}, {ENETUNREACH, 10051}, {ENETRESET, 10052},
        {ECONNABORTED, 10053}, {ECONNRESET, 10054}, {EPIPE, 10054}, {ENOBUFS, 10055}, {ENOMEM, 10055},
        {EISCONN, 10056}, {ENOTCONN, 10057}, {ETIMEDOUT, 10060}, {ECONNREFUSED, WSAECONNREFUSED},
        {EHOSTDOWN, 10064}, {EHOSTUNREACH, 10065},
    };
    for (const auto& known : kErrors)
        if (known.posix == error)
            return known.wsa;
    return error == 0 ? 0 : WSAEINVAL;
}

int Fail(int wsaError)
{
    t_lastError = wsaError;
    return SOCKET_ERROR;
}

// The descriptor behind a handle, or -1 (WSAENOTSOCK): handle 0 is no socket, whatever descriptor 0 is.
int Descriptor(SOCKET s)
{
    if (s != 0 && s <= static_cast<SOCKET>(INT_MAX))
        return static_cast<int>(s);
    t_lastError = WSAENOTSOCK;
    return -1;
}

}  // namespace

SOCKET socket(int af, int type, int protocol)
{
    // An IPv4 stream socket is the only kind the wizard opens.
    int fd = af != AF_INET || type != SOCK_STREAM ? -1 : ::socket(PF_INET, ::SOCK_STREAM | SOCK_CLOEXEC, protocol);
    if (fd == 0) {  // handle 0 means "no socket" to the callers, as no Windows socket is ever 0
        fd = ::fcntl(0, F_DUPFD_CLOEXEC, 1);
        const int error = errno;
        ::close(0);
        errno = error;
    }
    if (fd >= 0)
        return static_cast<SOCKET>(fd);
    t_lastError = ToWsaError(af != AF_INET ? EAFNOSUPPORT : type != SOCK_STREAM ? ESOCKTNOSUPPORT : errno);
    return INVALID_SOCKET;
}

int connect(SOCKET s, const SOCKADDR* name, int namelen)
{
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (name == nullptr || namelen < static_cast<int>(sizeof(SOCKADDR_IN)))
        return Fail(ToWsaError(EFAULT));
    const auto* address = reinterpret_cast<const SOCKADDR_IN*>(name);
    if (address->sin_family != AF_INET)
        return Fail(ToWsaError(EAFNOSUPPORT));
    // Windows refuses the "any" address and port 0 as destinations; Linux would take 0.0.0.0 for this
    // machine and report a scale that is not there.
    if (address->sin_addr.s_addr == 0 || address->sin_port == 0)
        return Fail(WSAEADDRNOTAVAIL);
    sockaddr_in peer{};
    peer.sin_family = PF_INET;
    peer.sin_port = address->sin_port;
    peer.sin_addr.s_addr = address->sin_addr.s_addr;
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0 ? 0 : Fail(ToWsaError(errno));
}

int ioctlsocket(SOCKET s, long cmd, u_long* argp)
{
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    if (cmd != FIONBIO || argp == nullptr)
        return Fail(ToWsaError(argp == nullptr ? EFAULT : EINVAL));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, *argp != 0 ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) != 0)
        return Fail(ToWsaError(errno));
    return 0;
}

int select(int /*nfds*/, fd_set* readfds, fd_set* writefds, fd_set* exceptfds, const timeval* timeout)
{
    const unsigned writes = writefds != nullptr ? writefds->fd_count : 0;
    const unsigned exceptions = exceptfds != nullptr ? exceptfds->fd_count : 0;
    if ((readfds != nullptr && readfds->fd_count != 0) || writes + exceptions != 1 ||
        (timeout != nullptr && (timeout->tv_sec < 0 || timeout->tv_usec < 0)))
        return Fail(WSAEINVAL);
    fd_set* set = writes != 0 ? writefds : exceptfds;
    const int fd = Descriptor(set->fd_array[0]);
    if (fd < 0)
        return SOCKET_ERROR;

    // Whole milliseconds, rounded up so that a short limit still waits.
    using Clock = std::chrono::steady_clock;
    const long long limitMs = timeout == nullptr ? -1 : timeout->tv_sec * 1000LL + (timeout->tv_usec + 999) / 1000;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    auto msLeft = [&] {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return limitMs < 0 ? -1 : left > 0 ? static_cast<int>(left) : 0;
    };

    // A connect that has ended, either way, makes the socket writable here.
    pollfd watched{fd, POLLOUT, 0};
    int ready = 0;
    while ((ready = ::poll(&watched, 1, msLeft())) < 0 && errno == EINTR) {}
    if (ready < 0 || (watched.revents & POLLNVAL) != 0)
        return Fail(ready < 0 ? ToWsaError(errno) : WSAENOTSOCK);
    // Without a peer the connect failed; the cause stays pending in SO_ERROR until it is reported.
    bool failed = false;
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    if (ready > 0 && ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0) {
        if (errno != ENOTCONN)
            return Fail(ToWsaError(errno));
        failed = true;
    }
    if (ready == 0 || failed != (set == exceptfds)) {
        // Settled on what was not asked (a failed connect asked for writability, or a made one for
        // failure): as on Windows, nothing is reported and the rest of the time is waited out.
        while (::poll(nullptr, 0, msLeft()) < 0 && errno == EINTR) {}
        set->fd_count = 0;
        return 0;
    }
    if (failed) {
        // The cause, so that the caller reporting the failure tells a refused connection from an
        // unreachable scale (it is read once; a later select still reports the failure).
        int error = 0;
        length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error != 0)
            t_lastError = ToWsaError(error);
    }
    return 1;
}

int closesocket(SOCKET s)
{
    const int fd = Descriptor(s);
    if (fd < 0)
        return SOCKET_ERROR;
    // Only sockets: a stale handle must not close a file or the terminal. Linux releases the
    // descriptor even when close reports an error, so that is no failure.
    int type = 0;
    socklen_t length = sizeof type;
    if (::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &length) != 0)
        return Fail(WSAENOTSOCK);
    ::close(fd);
    return 0;
}

int WSAGetLastError() { return t_lastError; }
void WSASetLastError(int iError) { t_lastError = iError; }
u_short htons(u_short hostshort) { return ::htons(hostshort); }
u_long inet_addr(const char* cp) { return cp == nullptr ? INADDR_NONE : ::inet_addr(cp); }

}  // namespace winsock

// Sockets here need no start-up of their own; the check is that the system lets the process make one.
bool platform::StartSystemSockets()
{
    const int fd = ::socket(PF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}

BOOL AfxSocketInit(void*) { return platform::Services().startSockets() ? TRUE : FALSE; }
