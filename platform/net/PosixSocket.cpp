#include "platform/net/PosixSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform::net {
namespace {

// Windows Sockets numbers are WSABASEERR (10000) plus the BSD error number; Linux numbers its
// errors differently, so each one is named here.
int ToWsaError(int error)
{
    switch (error) {
    case 0: return 0;
    case EINTR: return 10004;
    case EBADF: return 10009;
    case EACCES: case EPERM: return 10013;
    case EFAULT: return 10014;
    case EINVAL: return 10022;
    case EMFILE: case ENFILE: return 10024;
    case EAGAIN: case EINPROGRESS: return 10035;  // Windows reports a pending connect as would-block
    case EALREADY: return 10037;
    case ENOTSOCK: return 10038;
    case EDESTADDRREQ: return 10039;
    case EMSGSIZE: return 10040;
    case EPROTOTYPE: return 10041;
    case ENOPROTOOPT: return 10042;
    case EPROTONOSUPPORT: return 10043;
    case ESOCKTNOSUPPORT: return 10044;
    case EOPNOTSUPP: return 10045;
    case EPFNOSUPPORT: return 10046;
    case EAFNOSUPPORT: return 10047;
    case EADDRINUSE: return 10048;
    case EADDRNOTAVAIL: return 10049;
    case ENETDOWN: return 10050;
    case ENETUNREACH: return 10051;
    case ENETRESET: return 10052;
    case ECONNABORTED: return 10053;
    case ECONNRESET: case EPIPE: return 10054;
    case ENOBUFS: case ENOMEM: return 10055;
    case EISCONN: return 10056;
    case ENOTCONN: return 10057;
    case ESHUTDOWN: return 10058;
    case ETIMEDOUT: return 10060;
    case ECONNREFUSED: return 10061;
    case EHOSTDOWN: return 10064;
    case EHOSTUNREACH: return 10065;
    default: return 10022;
    }
}

constexpr int kWsaNotSocket = 10038;
constexpr int kWsaAddressNotAvailable = 10049;

// The non-blocking connects that are under way or have failed, by descriptor. POSIX reports a failed
// connect as writable with a pending SO_ERROR, and reading SO_ERROR clears it; keeping the outcome
// here lets a later select still see the failure in its exception set, as Windows shows it.
struct ConnectState {
    bool failed;
    int wsaError;
};
std::mutex g_connectsMutex;
std::map<int, ConnectState> g_connects;

void ForgetConnect(int fd)
{
    std::lock_guard<std::mutex> lock(g_connectsMutex);
    g_connects.erase(fd);
}

// For a socket whose connect was started here: settles it once poll has reported something, and
// tells whether it failed (with the cause).
bool ConnectFailed(int fd, short revents, int* wsaError)
{
    std::lock_guard<std::mutex> lock(g_connectsMutex);
    auto it = g_connects.find(fd);
    if (it == g_connects.end())
        return false;
    if (!it->second.failed && (revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
            error = errno;
        if (error == 0) {
            g_connects.erase(it);  // connected: from now on an ordinary socket
            return false;
        }
        it->second = ConnectState{true, ToWsaError(error)};
    }
    *wsaError = it->second.wsaError;
    return it->second.failed;
}

bool ConnectPending(int fd)
{
    std::lock_guard<std::mutex> lock(g_connectsMutex);
    auto it = g_connects.find(fd);
    return it != g_connects.end() && !it->second.failed;
}

bool IsSocket(int fd)
{
    int type = 0;
    socklen_t length = sizeof type;
    return ::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &length) == 0;
}

}  // namespace

int OpenSocket(int type, int protocol, int* wsaError)
{
    if (type != 1) {  // SOCK_STREAM is the only type the wizard opens
        *wsaError = 10044;
        return -1;
    }
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, protocol);
    if (fd < 0) {
        *wsaError = ToWsaError(errno);
        return -1;
    }
    if (fd == 0) {
        // Handle 0 means "no socket" to the callers, as no Windows socket is ever 0.
        const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 1);
        const int error = errno;
        ::close(fd);
        if (moved < 0) {
            *wsaError = ToWsaError(error);
            return -1;
        }
        fd = moved;
    }
    return fd;
}

int ConnectSocket(int fd, std::uint32_t address, std::uint16_t port)
{
    // Windows refuses the "any" address and port 0 as destinations; Linux would take 0.0.0.0 for
    // this machine and report a scale that is not there.
    if (address == INADDR_ANY || port == 0)
        return IsSocket(fd) ? kWsaAddressNotAvailable : kWsaNotSocket;

    ForgetConnect(fd);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = port;
    peer.sin_addr.s_addr = address;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0)
        return 0;
    const int error = errno;
    if (error == EINPROGRESS) {
        std::lock_guard<std::mutex> lock(g_connectsMutex);
        g_connects[fd] = ConnectState{false, 0};
    }
    return ToWsaError(error);
}

int SetNonBlocking(int fd, bool nonBlocking)
{
    if (!IsSocket(fd))
        return kWsaNotSocket;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0)
        return ToWsaError(errno);
    const int wanted = nonBlocking ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    if (wanted != flags && ::fcntl(fd, F_SETFL, wanted) != 0)
        return ToWsaError(errno);
    return 0;
}

int CloseSocket(int fd)
{
    // Only sockets: a stray handle must not close a file or the terminal.
    if (!IsSocket(fd))
        return kWsaNotSocket;
    ForgetConnect(fd);
    // Linux releases the descriptor even when close reports an error, so that is not a failure.
    if (::close(fd) != 0 && errno == EBADF)
        return kWsaNotSocket;
    return 0;
}

int WaitSockets(std::vector<WaitItem>& items, long long timeoutMs, int* wsaError)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);

    // Sockets still watched; one whose state has settled on something not asked for (a failed
    // connect asked only for writability) leaves the watch and the rest of the time is waited out.
    std::vector<std::size_t> watched;
    for (std::size_t i = 0; i < items.size(); ++i) {
        WaitItem& item = items[i];
        item.readReady = item.writeReady = item.exceptReady = false;
        item.connectError = 0;
        if (!IsSocket(item.fd)) {
            *wsaError = kWsaNotSocket;
            return -1;
        }
        watched.push_back(i);
    }

    for (;;) {
        // A connect known to have failed is to be reported now, with whatever else is ready now.
        bool reportNow = false;
        for (std::size_t index : watched) {
            int cause = 0;
            reportNow = reportNow || (items[index].wantExcept && ConnectFailed(items[index].fd, 0, &cause));
        }
        int waitMs = -1;
        if (reportNow) {
            waitMs = 0;
        } else if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            waitMs = left > 0 ? static_cast<int>(left) : 0;
        }
        std::vector<pollfd> polled;
        for (std::size_t index : watched) {
            const WaitItem& item = items[index];
            short events = 0;
            if (item.wantRead)
                events |= POLLIN;
            if (item.wantWrite)
                events |= POLLOUT;
            if (item.wantExcept) {
                events |= POLLPRI;
                if (ConnectPending(item.fd))
                    events |= POLLOUT;  // the connect has ended, one way or the other
            }
            polled.push_back(pollfd{item.fd, events, 0});
        }
        const int n = ::poll(polled.data(), polled.size(), waitMs);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *wsaError = ToWsaError(errno);
            return -1;
        }

        int ready = 0;
        std::vector<std::size_t> stillWatched;
        for (std::size_t k = 0; k < polled.size(); ++k) {
            WaitItem& item = items[watched[k]];
            const short revents = polled[k].revents;
            if (revents & POLLNVAL) {
                *wsaError = kWsaNotSocket;
                return -1;
            }
            int cause = 0;
            const bool failed = ConnectFailed(item.fd, revents, &cause);
            item.readReady = item.wantRead && (revents & (POLLIN | POLLHUP | POLLERR)) != 0;
            item.writeReady = item.wantWrite && !failed && (revents & POLLOUT) != 0;
            item.exceptReady = item.wantExcept && (failed || (revents & POLLPRI) != 0);
            if (item.exceptReady && failed)
                item.connectError = cause;
            const int count = int(item.readReady) + int(item.writeReady) + int(item.exceptReady);
            ready += count;
            if (revents == 0 || count > 0)
                stillWatched.push_back(watched[k]);
        }
        if (ready > 0)
            return ready;
        watched.swap(stillWatched);
        if (timeoutMs >= 0 && Clock::now() >= deadline)
            return 0;
    }
}

std::uint32_t ParseInetAddress(const char* text)
{
    return text == nullptr ? INADDR_NONE : ::inet_addr(text);
}

}  // namespace platform::net
