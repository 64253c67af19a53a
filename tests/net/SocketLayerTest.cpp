// The Windows Sockets behaviour of the platform layer where the connection check depends on it.
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "platform/net/WinSock.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/ScaleSimulator.h"

namespace {

using namespace std::chrono;

winsock::SOCKADDR_IN Address(const char* dotted, winsock::u_short port)
{
    winsock::SOCKADDR_IN address{};
    address.sin_family = winsock::AF_INET;
    address.sin_port = winsock::htons(port);
    address.sin_addr.s_addr = winsock::inet_addr(dotted);
    return address;
}

const winsock::SOCKADDR* AsSockaddr(const winsock::SOCKADDR_IN& address)
{
    return reinterpret_cast<const winsock::SOCKADDR*>(&address);
}

winsock::SOCKET NonBlockingSocket()
{
    const winsock::SOCKET s = winsock::socket(winsock::AF_INET, winsock::SOCK_STREAM, 0);
    winsock::u_long on = 1;
    EXPECT_EQ(winsock::ioctlsocket(s, winsock::FIONBIO, &on), 0);
    return s;
}

TEST(SocketLayerTest, RefusedConnectShowsInTheExceptionSetOnlyAndNamesTheCause)
{
    TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE();
    const winsock::SOCKET s = NonBlockingSocket();
    const winsock::SOCKADDR_IN address = Address(tarvel::test::kRecoveryAddress, 21);  // nothing listens

    ASSERT_EQ(winsock::connect(s, AsSockaddr(address), sizeof address), winsock::SOCKET_ERROR);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAEWOULDBLOCK);

    // Not writable: the whole half second passes with nothing to report.
    winsock::fd_set writeSet;
    winsock::FD_ZERO(&writeSet);
    winsock::FD_SET(s, &writeSet);
    winsock::timeval slice = {0, 500000};
    const auto start = steady_clock::now();
    EXPECT_EQ(winsock::select(0, nullptr, &writeSet, nullptr, &slice), 0);
    EXPECT_GE(duration<double>(steady_clock::now() - start).count(), 0.45);
    EXPECT_EQ(writeSet.fd_count, 0u);

    // Failed: the exception set reports it, and the last error is the cause.
    winsock::WSASetLastError(0);
    winsock::fd_set exceptSet;
    winsock::FD_ZERO(&exceptSet);
    winsock::FD_SET(s, &exceptSet);
    EXPECT_EQ(winsock::select(0, nullptr, nullptr, &exceptSet, &slice), 1);
    EXPECT_TRUE(exceptSet.fd_count == 1 && exceptSet.fd_array[0] == s);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAECONNREFUSED);

    // And it keeps reporting it, though the system's pending error has been read.
    winsock::FD_SET(s, &exceptSet);
    EXPECT_EQ(winsock::select(0, nullptr, nullptr, &exceptSet, &slice), 1);
    EXPECT_EQ(winsock::closesocket(s), 0);
}

TEST(SocketLayerTest, ConnectedSocketIsWritableAndNoException)
{
    TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE();
    tarvel::test::ScaleSimulator scale(tarvel::test::kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();

    const winsock::SOCKET s = NonBlockingSocket();
    const winsock::SOCKADDR_IN address = Address(tarvel::test::kRecoveryAddress, 21);
    const int result = winsock::connect(s, AsSockaddr(address), sizeof address);
    EXPECT_TRUE(result == 0 || winsock::WSAGetLastError() == winsock::WSAEWOULDBLOCK);

    winsock::fd_set writeSet;
    winsock::FD_ZERO(&writeSet);
    winsock::FD_SET(s, &writeSet);
    winsock::timeval slice = {0, 500000};
    EXPECT_EQ(winsock::select(0, nullptr, &writeSet, nullptr, &slice), 1);

    winsock::fd_set exceptSet;
    winsock::FD_ZERO(&exceptSet);
    winsock::FD_SET(s, &exceptSet);
    winsock::timeval shortSlice = {0, 100000};
    EXPECT_EQ(winsock::select(0, nullptr, nullptr, &exceptSet, &shortSlice), 0);

    EXPECT_EQ(winsock::closesocket(s), 0);
}

TEST(SocketLayerTest, AnyAddressAndPortZeroAreNotAvailable)
{
    const winsock::SOCKET s = winsock::socket(winsock::AF_INET, winsock::SOCK_STREAM, 0);
    const winsock::SOCKADDR_IN any = Address("0.0.0.0", 21);
    EXPECT_EQ(winsock::connect(s, AsSockaddr(any), sizeof any), winsock::SOCKET_ERROR);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAEADDRNOTAVAIL);

    const winsock::SOCKADDR_IN portZero = Address("127.0.0.1", 0);
    EXPECT_EQ(winsock::connect(s, AsSockaddr(portZero), sizeof portZero), winsock::SOCKET_ERROR);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAEADDRNOTAVAIL);
    EXPECT_EQ(winsock::closesocket(s), 0);
}

TEST(SocketLayerTest, LastErrorBelongsToTheThread)
{
    winsock::WSASetLastError(winsock::WSAECONNREFUSED);
    int seenElsewhere = -1;
    std::thread([&seenElsewhere] { seenElsewhere = winsock::WSAGetLastError(); }).join();
    EXPECT_EQ(seenElsewhere, 0);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAECONNREFUSED);
}

TEST(SocketLayerTest, SocketHandleIsNeverZero)
{
#ifdef _WIN32
    GTEST_SKIP() << "descriptor 0 and its reuse are POSIX's; a Winsock handle is no descriptor";
#else
    // With descriptor 0 free, the system would hand it out first.
    const int savedInput = ::dup(0);
    ASSERT_GE(savedInput, 0);
    ::close(0);
    const winsock::SOCKET s = winsock::socket(winsock::AF_INET, winsock::SOCK_STREAM, 0);
    const bool zeroStillFree = ::fcntl(0, F_GETFD) == -1;
    ::dup2(savedInput, 0);
    ::close(savedInput);

    EXPECT_NE(s, winsock::INVALID_SOCKET);
    EXPECT_NE(s, 0u);
    EXPECT_TRUE(zeroStillFree);
    EXPECT_EQ(winsock::closesocket(s), 0);
#endif
}

TEST(SocketLayerTest, ClosingWhatIsNotASocketFailsAndLeavesItOpen)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a POSIX pipe descriptor to pass as a socket";
#else
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);

    EXPECT_EQ(winsock::closesocket(static_cast<winsock::SOCKET>(pipeEnds[0])), winsock::SOCKET_ERROR);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAENOTSOCK);
    EXPECT_NE(::fcntl(pipeEnds[0], F_GETFD), -1);

    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
#endif
}

TEST(SocketLayerTest, SelectWithNothingToWatchIsInvalid)
{
    winsock::fd_set empty;
    winsock::FD_ZERO(&empty);
    winsock::timeval slice = {0, 1000};
    EXPECT_EQ(winsock::select(0, &empty, &empty, &empty, &slice), winsock::SOCKET_ERROR);
    EXPECT_EQ(winsock::WSAGetLastError(), winsock::WSAEINVAL);
}

TEST(SocketLayerTest, DottedAddressesAndPortsInNetworkOrder)
{
    const winsock::u_long address = winsock::inet_addr("192.168.10.1");
    const auto* bytes = reinterpret_cast<const unsigned char*>(&address);
    EXPECT_EQ(bytes[0], 192);
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(winsock::inet_addr("not an address"), winsock::INADDR_NONE);
    const winsock::u_short port = winsock::htons(21);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&port)[1], 21);
}

}  // namespace
