// Windows Sockets 1.1, as much of it as the connection check uses: one IPv4 stream socket, connected
// without blocking and watched with select. Names, numbers and meanings are those of Windows Sockets;
// they live in namespace winsock so that they never meet the C library's names of the same spelling.
//
// Where the two platforms differ and the wizard depends on it, this layer behaves as Windows does:
// - errors are reported per thread in Windows Sockets numbering (WSAGetLastError);
// - a non-blocking connect that has not completed yet fails with WSAEWOULDBLOCK;
// - a non-blocking connect that failed shows in the exception set of select, never in the write set,
//   and select then leaves the cause (for example WSAECONNREFUSED) as the thread's last error;
// - connecting to 0.0.0.0 or to port 0 fails with WSAEADDRNOTAVAIL instead of reaching this machine;
// - a socket handle is never 0, so that 0 can mean "no socket".
#pragma once

#include "platform/sys/WinTypes.h"

#include <cstdint>
#include <cstdlib>  // on the C library here this also defines the select macros, replaced below

// The C library's select macros would take over the calls below (FD_SET(s, &set) is a macro call there).
#undef FD_SET
#undef FD_ZERO
#undef FD_ISSET
#undef FD_SETSIZE

namespace winsock {

using u_short = std::uint16_t;
using u_long = std::uint32_t;
using SOCKET = std::uintptr_t;

constexpr SOCKET INVALID_SOCKET = ~static_cast<SOCKET>(0);
constexpr int SOCKET_ERROR = -1;
constexpr int AF_INET = 2;
constexpr int SOCK_STREAM = 1;
constexpr long FIONBIO = 0x8004667E;  // _IOW('f', 126, u_long)
constexpr u_long INADDR_NONE = 0xFFFFFFFF;

// The error numbers that callers name (WSABASEERR + the BSD number); WinSock.cpp maps the others.
constexpr int WSAEINVAL = 10022;
constexpr int WSAEMFILE = 10024;
constexpr int WSAEWOULDBLOCK = 10035;
constexpr int WSAENOTSOCK = 10038;
constexpr int WSAEADDRNOTAVAIL = 10049;
constexpr int WSAECONNREFUSED = 10061;

// Addresses and ports in network byte order.
struct IN_ADDR { u_long s_addr; };
struct SOCKADDR { u_short sa_family; char sa_data[14]; };
struct SOCKADDR_IN { short sin_family; u_short sin_port; IN_ADDR sin_addr; char sin_zero[8]; };
static_assert(sizeof(SOCKADDR_IN) == 16 && sizeof(SOCKADDR) == 16, "a Windows Sockets IPv4 address is 16 bytes");

// A set of sockets as Windows Sockets keeps it: a count and the handles, in the order added.
constexpr unsigned FD_SETSIZE = 64;
struct fd_set { unsigned fd_count; SOCKET fd_array[FD_SETSIZE]; };
struct timeval { long tv_sec; long tv_usec; };

inline void FD_ZERO(fd_set* set) { set->fd_count = 0; }
// Adds the socket unless it is there already or the set is full.
inline void FD_SET(SOCKET s, fd_set* set)
{
    for (unsigned i = 0; i < set->fd_count; ++i)
        if (set->fd_array[i] == s)
            return;
    if (set->fd_count < FD_SETSIZE)
        set->fd_array[set->fd_count++] = s;
}

SOCKET socket(int af, int type, int protocol);
int connect(SOCKET s, const SOCKADDR* name, int namelen);
int ioctlsocket(SOCKET s, long cmd, u_long* argp);
// Watches one socket, the only one in the write or the exception set (nfds is ignored; a read set, or
// any other number of sockets, is WSAEINVAL). 1 when it is ready, the set then unchanged; 0 with the
// set emptied when the time limit passed (nullptr: no limit); SOCKET_ERROR otherwise.
int select(int nfds, fd_set* readfds, fd_set* writefds, fd_set* exceptfds, const timeval* timeout);
int closesocket(SOCKET s);
int WSAGetLastError();
void WSASetLastError(int iError);
u_short htons(u_short hostshort);
// The address of a dotted IPv4 text in network byte order, INADDR_NONE when the text is not one.
u_long inet_addr(const char* cp);

}  // namespace winsock
