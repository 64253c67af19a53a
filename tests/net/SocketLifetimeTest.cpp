// Who holds the socket: a failed Create leaves none, the destructor leaves an open socket to its
// owner, and a failed Close keeps the handle. These need no peer, only sockets of this machine.
#include <gtest/gtest.h>
#include <string>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "connection/BlockingSocket.h"
#include "connection/BlockingSocketException.h"

namespace {

bool IsOpen(winsock::SOCKET s)
{
#ifdef _WIN32
    // A Winsock handle is no descriptor to look up: ask something of it that only an open socket
    // answers (a new socket is in blocking mode already, so this changes nothing).
    winsock::u_long blocking = 0;
    return winsock::ioctlsocket(s, winsock::FIONBIO, &blocking) == 0;
#else
    return ::fcntl(static_cast<int>(s), F_GETFD) != -1;
#endif
}

#ifndef _WIN32
// Lowers the limit of open descriptors so that no new one can be made, and restores it.
class NoFreeDescriptors {
public:
    NoFreeDescriptors()
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit none = m_saved;
        none.rlim_cur = 0;
        m_lowered = ::setrlimit(RLIMIT_NOFILE, &none) == 0;
    }
    ~NoFreeDescriptors() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }
    bool Lowered() const { return m_lowered; }

private:
    rlimit m_saved{};
    bool m_lowered = false;
};
#endif

TEST(SocketLifetimeTest, FailedCreateLeavesNoSocketAndNamesTheStep)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a limit of open descriptors to lower; a Windows process has none it can lower";
#else
    CBlockingSocket socket;
    std::string operation;
    int error = 0;
    // A sanitizer build checks an object's dynamic type through a pipe the first time it meets the
    // type: meet the exception once while a descriptor can still be made.
    (new CBlockingSocketException("Create"))->Delete();
    {
        NoFreeDescriptors limit;
        ASSERT_TRUE(limit.Lowered());
        try {
            socket.Create();
        } catch (CBlockingSocketException* e) {
            operation = e->m_strOperation;
            error = e->m_nError;
            e->Delete();
        }
    }
    EXPECT_EQ(operation, "Create");
    EXPECT_EQ(error, winsock::WSAEMFILE);
    EXPECT_EQ(socket.m_hSocket, 0u);  // so the owner's closing step is skipped
#endif
}

TEST(SocketLifetimeTest, DestructorLeavesTheSocketOpen)
{
    winsock::SOCKET handle = 0;
    {
        CBlockingSocket socket;
        socket.Create();
        handle = socket.m_hSocket;
        ASSERT_NE(handle, 0u);
    }
    EXPECT_TRUE(IsOpen(handle));
    EXPECT_EQ(winsock::closesocket(handle), 0);
}

TEST(SocketLifetimeTest, CloseReleasesTheSocketAndForgetsIt)
{
    CBlockingSocket socket;
    socket.Create();
    const winsock::SOCKET handle = socket.m_hSocket;
    socket.Close();
    EXPECT_EQ(socket.m_hSocket, 0u);
    EXPECT_FALSE(IsOpen(handle));
}

TEST(SocketLifetimeTest, FailedCloseThrowsCloseAndKeepsTheHandle)
{
    CBlockingSocket socket;
    socket.Create();
    const winsock::SOCKET handle = socket.m_hSocket;
    ASSERT_EQ(winsock::closesocket(handle), 0);  // someone else closed it already

    std::string operation;
    int error = 0;
    try {
        socket.Close();
    } catch (CBlockingSocketException* e) {
        operation = e->m_strOperation;
        error = e->m_nError;
        e->Delete();
    }
    EXPECT_EQ(operation, "Close");
    EXPECT_EQ(error, winsock::WSAENOTSOCK);
    EXPECT_EQ(socket.m_hSocket, handle);
}

}  // namespace
