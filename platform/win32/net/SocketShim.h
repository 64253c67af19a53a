// Winsock 2, reached through plain types. The platform headers and <winsock2.h> cannot share a unit
// (DWORD, FD_SET, select and the error names are the SDK's there and our own here), so the units that
// speak the platform's names call these, and only SocketShim.cpp includes the SDK.
//
// Every call that fails gives Winsock's own error number through *error; handles are Winsock's.
#pragma once

#include <cstdint>

namespace win32::sock {

constexpr std::uintptr_t kInvalid = ~static_cast<std::uintptr_t>(0);

enum class Watch { Read, Write, Exception };

// An IPv4 stream socket, or kInvalid.
std::uintptr_t OpenStream(int* error);
// Address and port in network byte order; 0 or -1 as connect returns.
int Connect(std::uintptr_t s, std::uint32_t address, std::uint16_t port, int* error);
int SetNonBlocking(std::uintptr_t s, bool on, int* error);
// select on the one socket: 1 ready, 0 when timeoutMs passed (negative: no limit), -1 on failure.
int WaitFor(std::uintptr_t s, Watch what, long long timeoutMs, int* error);
// The pending error of a connect (SO_ERROR), 0 when there is none or it cannot be read.
int PendingError(std::uintptr_t s);
int Close(std::uintptr_t s, int* error);
std::uint16_t HostToNetwork(std::uint16_t port);
// The dotted address in network byte order, or 0xFFFFFFFF.
std::uint32_t DottedAddress(const char* text);

}  // namespace win32::sock
