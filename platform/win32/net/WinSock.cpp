// The winsock:: layer over real Winsock 2. Error numbers are Winsock's own; what this file adds is
// only where the Winsock that the program meets does not behave as the wizard needs:
// - the last error is kept per thread by the layer itself, so that a successful select (which under
//   Wine sets WSAGetLastError to 0) or any other system call cannot wipe the cause of a failure;
// - after a failed non-blocking connect shows in the exception set, the cause comes from SO_ERROR;
// - 0.0.0.0 and port 0 are refused with WSAEADDRNOTAVAIL here, because Wine lets them connect;
// - select takes exactly the one socket the connection check watches, as the Linux layer does, so
//   that both refuse the same misuse.
#include "platform/net/WinSock.h"

#include "platform/win32/net/SocketShim.h"

namespace winsock {
namespace {

thread_local int t_lastError = 0;

int Fail(int wsaError)
{
    t_lastError = wsaError;
    return SOCKET_ERROR;
}

}  // namespace

SOCKET socket(int af, int type, int protocol)
{
    // An IPv4 stream socket is the only kind the wizard opens.
    if (af != AF_INET || type != SOCK_STREAM || (protocol != 0 && protocol != 6)) {
        t_lastError = af != AF_INET ? 10047 : type != SOCK_STREAM ? 10044 : 10043;
        return INVALID_SOCKET;
    }
    int error = 0;
    SOCKET s = win32::sock::OpenStream(&error);
    if (s == 0) {
        // No Winsock handle is 0, but 0 means "no socket" to the callers: never hand it out.
        const SOCKET other = win32::sock::OpenStream(&error);
        int ignored = 0;
        win32::sock::Close(s, &ignored);
        s = other;
    }
    if (s == win32::sock::kInvalid) {
        t_lastError = error;
        return INVALID_SOCKET;
    }
    return s;
}

int connect(SOCKET s, const SOCKADDR* name, int namelen)
{
    if (name == nullptr || namelen < static_cast<int>(sizeof(SOCKADDR_IN)))
        return Fail(10014);  // WSAEFAULT
    const auto* address = reinterpret_cast<const SOCKADDR_IN*>(name);
    if (address->sin_family != AF_INET)
        return Fail(10047);  // WSAEAFNOSUPPORT
    // Windows refuses the "any" address and port 0 as destinations; Wine would connect to this
    // machine and report a scale that is not there.
    if (address->sin_addr.s_addr == 0 || address->sin_port == 0)
        return Fail(WSAEADDRNOTAVAIL);
    int error = 0;
    return win32::sock::Connect(s, address->sin_addr.s_addr, address->sin_port, &error) == 0 ? 0 : Fail(error);
}

int ioctlsocket(SOCKET s, long cmd, u_long* argp)
{
    if (argp == nullptr)
        return Fail(10014);
    if (cmd != FIONBIO)
        return Fail(WSAEINVAL);
    int error = 0;
    return win32::sock::SetNonBlocking(s, *argp != 0, &error) == 0 ? 0 : Fail(error);
}

int select(int /*nfds*/, fd_set* readfds, fd_set* writefds, fd_set* exceptfds, const timeval* timeout)
{
    const unsigned writes = writefds != nullptr ? writefds->fd_count : 0;
    const unsigned exceptions = exceptfds != nullptr ? exceptfds->fd_count : 0;
    if ((readfds != nullptr && readfds->fd_count != 0) || writes + exceptions != 1 ||
        (timeout != nullptr && (timeout->tv_sec < 0 || timeout->tv_usec < 0)))
        return Fail(WSAEINVAL);
    fd_set* set = writes != 0 ? writefds : exceptfds;
    const SOCKET s = set->fd_array[0];
    // Whole milliseconds, rounded up so that a short limit still waits.
    const long long limitMs = timeout == nullptr ? -1 : timeout->tv_sec * 1000LL + (timeout->tv_usec + 999) / 1000;
    int error = 0;
    const int ready = win32::sock::WaitFor(
        s, set == writefds ? win32::sock::Watch::Write : win32::sock::Watch::Exception, limitMs, &error);
    if (ready < 0)
        return Fail(error);
    if (ready == 0) {
        set->fd_count = 0;
        return 0;
    }
    if (set == exceptfds) {
        // The failed connect's cause, so that the caller tells a refused connection from an
        // unreachable scale (Winsock leaves its own last error at 0 after a successful select).
        const int pending = win32::sock::PendingError(s);
        if (pending != 0)
            t_lastError = pending;
    }
    return 1;
}

int closesocket(SOCKET s)
{
    int error = 0;
    return win32::sock::Close(s, &error) == 0 ? 0 : Fail(error);
}

int WSAGetLastError() { return t_lastError; }
void WSASetLastError(int iError) { t_lastError = iError; }
u_short htons(u_short hostshort) { return win32::sock::HostToNetwork(hostshort); }
u_long inet_addr(const char* cp) { return cp == nullptr ? INADDR_NONE : win32::sock::DottedAddress(cp); }

}  // namespace winsock
