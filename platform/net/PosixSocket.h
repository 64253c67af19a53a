// The sockets of this platform, seen through Windows Sockets numbers. Only the Windows Sockets layer
// (WinSock.cpp) calls these; every failure comes back as a Windows Sockets error number, so that the
// C library's error names stay inside PosixSocket.cpp.
#pragma once

#include <cstdint>
#include <vector>

namespace platform::net {

// A new IPv4 socket of the given Windows Sockets type (1 stream), closed on exec and never 0;
// -1 and *wsaError on failure.
int OpenSocket(int type, int protocol, int* wsaError);

// Starts or makes a connection to an IPv4 address and port (both in network byte order).
// 0 on success, else the Windows Sockets error (WSAEWOULDBLOCK while a non-blocking connect goes on).
int ConnectSocket(int fd, std::uint32_t address, std::uint16_t port);

// 0 or the Windows Sockets error.
int SetNonBlocking(int fd, bool nonBlocking);
int CloseSocket(int fd);

// One socket of a select call: what is asked, and on return what is ready.
struct WaitItem {
    int fd;
    bool wantRead;
    bool wantWrite;
    bool wantExcept;
    bool readReady;
    bool writeReady;
    bool exceptReady;
    int connectError;  // the Windows Sockets cause when exceptReady reports a failed connect
};

// Waits until at least one asked condition holds or timeoutMs (negative: no limit) has passed.
// Writable means connected: a socket whose connect failed is never writable, it is an exception.
// Returns the number of ready conditions, or -1 with *wsaError.
int WaitSockets(std::vector<WaitItem>& items, long long timeoutMs, int* wsaError);

// The IPv4 address of a dotted text in network byte order, 0xFFFFFFFF when it is not one.
std::uint32_t ParseInetAddress(const char* text);

}  // namespace platform::net
