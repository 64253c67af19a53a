// The SDK side of SocketShim.h: nothing here knows the platform's names.
#include <winsock2.h>

#include "platform/win32/net/SocketShim.h"

namespace win32::sock {
namespace {

int Failed(int* error)
{
    *error = ::WSAGetLastError();
    return -1;
}

}  // namespace

std::uintptr_t OpenStream(int* error)
{
    // Not inheritable: a converter started by the command processor must not hold the scale's socket.
    const SOCKET s = ::WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) {
        *error = ::WSAGetLastError();
        return kInvalid;
    }
    return static_cast<std::uintptr_t>(s);
}

int Connect(std::uintptr_t s, std::uint32_t address, std::uint16_t port, int* error)
{
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = port;
    peer.sin_addr.s_addr = address;
    return ::connect(static_cast<SOCKET>(s), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0
               ? 0
               : Failed(error);
}

int SetNonBlocking(std::uintptr_t s, bool on, int* error)
{
    u_long value = on ? 1 : 0;
    return ::ioctlsocket(static_cast<SOCKET>(s), FIONBIO, &value) == 0 ? 0 : Failed(error);
}

int WaitFor(std::uintptr_t s, Watch what, long long timeoutMs, int* error)
{
    fd_set set;
    FD_ZERO(&set);
    FD_SET(static_cast<SOCKET>(s), &set);
    timeval limit{static_cast<long>(timeoutMs / 1000), static_cast<long>(timeoutMs % 1000 * 1000)};
    const int ready = ::select(0, what == Watch::Read ? &set : nullptr, what == Watch::Write ? &set : nullptr,
                               what == Watch::Exception ? &set : nullptr, timeoutMs < 0 ? nullptr : &limit);
    return ready == SOCKET_ERROR ? Failed(error) : ready;
}

int PendingError(std::uintptr_t s)
{
    int pending = 0;
    int length = sizeof pending;
    if (::getsockopt(static_cast<SOCKET>(s), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&pending), &length) != 0)
        return 0;
    return pending;
}

int Close(std::uintptr_t s, int* error)
{
    return ::closesocket(static_cast<SOCKET>(s)) == 0 ? 0 : Failed(error);
}

std::uint16_t HostToNetwork(std::uint16_t port) { return ::htons(port); }

std::uint32_t DottedAddress(const char* text) { return ::inet_addr(text); }

}  // namespace win32::sock
