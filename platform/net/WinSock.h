// Windows Sockets 1.1, as much of it as the wizard's connection check uses, over the sockets of this
// platform. Names, numbers and meanings are those of Windows Sockets; they live in namespace
// winsock so that they never meet the C library's names of the same spelling.
//
// Where the two platforms differ and the wizard depends on it, this layer behaves as Windows does:
// - errors are reported per thread in Windows Sockets numbering (WSAGetLastError);
// - a non-blocking connect that has not completed yet fails with WSAEWOULDBLOCK;
// - a non-blocking connect that failed shows in the exception set of select, never in the write set,
//   and select then leaves the cause (for example WSAECONNREFUSED) as the thread's last error;
// - connecting to 0.0.0.0 or to port 0 fails with WSAEADDRNOTAVAIL instead of reaching this machine;
// - a socket handle is never 0, so that 0 can mean "no socket".
#pragma once

#include <cstdint>
#include <cstdlib>  // on the C library here this also defines the select macros, replaced below

#include "platform/sys/WinTypes.h"

// The C library's select macros would take over the calls below (FD_SET(s, &set) is a macro
// call there); this layer's own functions of the same names stand in their place.
#undef FD_SET
#undef FD_ZERO
#undef FD_ISSET
#undef FD_SETSIZE

namespace winsock {

using u_char = unsigned char;
using u_short = std::uint16_t;
using u_int = unsigned int;
using u_long = std::uint32_t;
using SOCKET = std::uintptr_t;

constexpr SOCKET INVALID_SOCKET = ~static_cast<SOCKET>(0);
constexpr int SOCKET_ERROR = -1;

constexpr int AF_INET = 2;
constexpr int SOCK_STREAM = 1;
constexpr long FIONBIO = 0x8004667E;  // _IOW('f', 126, u_long)
constexpr u_long INADDR_ANY = 0x00000000;
constexpr u_long INADDR_NONE = 0xFFFFFFFF;

// Error numbers (WSABASEERR + the BSD number).
constexpr int WSAEINTR = 10004;
constexpr int WSAEBADF = 10009;
constexpr int WSAEACCES = 10013;
constexpr int WSAEFAULT = 10014;
constexpr int WSAEINVAL = 10022;
constexpr int WSAEMFILE = 10024;
constexpr int WSAEWOULDBLOCK = 10035;
constexpr int WSAEINPROGRESS = 10036;
constexpr int WSAEALREADY = 10037;
constexpr int WSAENOTSOCK = 10038;
constexpr int WSAEPROTOTYPE = 10041;
constexpr int WSAEPROTONOSUPPORT = 10043;
constexpr int WSAESOCKTNOSUPPORT = 10044;
constexpr int WSAEOPNOTSUPP = 10045;
constexpr int WSAEAFNOSUPPORT = 10047;
constexpr int WSAEADDRINUSE = 10048;
constexpr int WSAEADDRNOTAVAIL = 10049;
constexpr int WSAENETDOWN = 10050;
constexpr int WSAENETUNREACH = 10051;
constexpr int WSAENETRESET = 10052;
constexpr int WSAECONNABORTED = 10053;
constexpr int WSAECONNRESET = 10054;
constexpr int WSAENOBUFS = 10055;
constexpr int WSAEISCONN = 10056;
constexpr int WSAENOTCONN = 10057;
constexpr int WSAESHUTDOWN = 10058;
constexpr int WSAETIMEDOUT = 10060;
constexpr int WSAECONNREFUSED = 10061;
constexpr int WSAEHOSTDOWN = 10064;
constexpr int WSAEHOSTUNREACH = 10065;
constexpr int WSANOTINITIALISED = 10093;

struct IN_ADDR {
    union {
        u_long S_addr;  // network byte order
        u_long s_addr;
    };
};

struct SOCKADDR {
    u_short sa_family;
    char sa_data[14];
};

struct SOCKADDR_IN {
    short sin_family;
    u_short sin_port;  // network byte order
    IN_ADDR sin_addr;
    char sin_zero[8];
};
static_assert(sizeof(SOCKADDR_IN) == 16, "a Windows Sockets IPv4 address is 16 bytes");
static_assert(sizeof(SOCKADDR) == 16, "a Windows Sockets address is 16 bytes");

constexpr u_int FD_SETSIZE = 64;

// A set of sockets as Windows Sockets keeps it: a count and the handles, in the order added.
struct fd_set {
    u_int fd_count;
    SOCKET fd_array[FD_SETSIZE];
};

struct timeval {
    long tv_sec;
    long tv_usec;
};

inline void FD_ZERO(fd_set* set) { set->fd_count = 0; }

inline int FD_ISSET(SOCKET s, const fd_set* set)
{
    for (u_int i = 0; i < set->fd_count; ++i)
        if (set->fd_array[i] == s)
            return 1;
    return 0;
}

// Adds the socket unless it is there already or the set is full.
inline void FD_SET(SOCKET s, fd_set* set)
{
    if (!FD_ISSET(s, set) && set->fd_count < FD_SETSIZE)
        set->fd_array[set->fd_count++] = s;
}

SOCKET socket(int af, int type, int protocol);
int connect(SOCKET s, const SOCKADDR* name, int namelen);
int ioctlsocket(SOCKET s, long cmd, u_long* argp);
// nfds is ignored. On return each given set holds only its ready sockets; the result is their total,
// 0 when the time limit passed (nullptr: no limit), or SOCKET_ERROR.
int select(int nfds, fd_set* readfds, fd_set* writefds, fd_set* exceptfds, const timeval* timeout);
int closesocket(SOCKET s);

int WSAGetLastError();
void WSASetLastError(int iError);

u_short htons(u_short hostshort);
// The address of a dotted IPv4 text in network byte order, INADDR_NONE when the text is not one.
u_long inet_addr(const char* cp);

}  // namespace winsock
