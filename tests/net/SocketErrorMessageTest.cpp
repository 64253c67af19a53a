// The blocking socket exception's text: the step, the socket error taken when it was made, and the
// caller's buffer never overrun.
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "connection/BlockingSocketException.h"
#include "platform/net/WinSock.h"

namespace {

struct Deleter {
    void operator()(CException* e) const { e->Delete(); }
};
using ExceptionPtr = std::unique_ptr<CBlockingSocketException, Deleter>;

ExceptionPtr Make(const char* step, int lastError)
{
    winsock::WSASetLastError(lastError);
    ExceptionPtr e(new CBlockingSocketException(step));
    winsock::WSASetLastError(0);
    return e;
}

std::string Message(CBlockingSocketException& e)
{
    char text[200];
    EXPECT_EQ(e.GetErrorMessage(text, sizeof text), TRUE);
    return text;
}

TEST(SocketErrorMessageTest, TextNamesTheStepAndTheErrorOfTheMomentItWasMade)
{
    EXPECT_EQ(Message(*Make("Connect", 10035)), "Connect error #10035");
    EXPECT_EQ(Message(*Make("Connect - Timeout", 10060)), "Connect - Timeout error #10060");
    ExceptionPtr refused = Make("Connect", 10061);
    EXPECT_EQ(refused->m_nError, 10061);
    EXPECT_EQ(refused->m_strOperation, "Connect");
}

TEST(SocketErrorMessageTest, ErrorZeroGivesTheTextWithoutANumber)
{
    EXPECT_EQ(Message(*Make("Create", 0)), "Create error");
    EXPECT_EQ(Message(*Make("Close", 0)), "Close error");
}

TEST(SocketErrorMessageTest, SmallBufferGetsTheTextCutAndTerminated)
{
    ExceptionPtr e = Make("Connect", 10061);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    UINT helpContext = 77;

    EXPECT_EQ(e->GetErrorMessage(buffer, 8, &helpContext), TRUE);

    EXPECT_STREQ(buffer, "Connect");
    EXPECT_EQ(buffer[8], '#');  // nothing past the given size
    EXPECT_EQ(helpContext, 77u);
}

TEST(SocketErrorMessageTest, BufferOfOneGetsOnlyTheTerminator)
{
    ExceptionPtr e = Make("Connect", 10061);
    char buffer[4] = {'#', '#', '#', '#'};

    EXPECT_EQ(e->GetErrorMessage(buffer, 1), TRUE);

    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');
}

TEST(SocketErrorMessageTest, BufferOfZeroIsLeftUntouched)
{
    ExceptionPtr e = Make("Connect", 10061);
    char buffer[4] = {'#', '#', '#', '#'};

    EXPECT_EQ(e->GetErrorMessage(buffer, 0), TRUE);

    EXPECT_EQ(std::string(buffer, 4), "####");
}

TEST(SocketErrorMessageTest, ALongStepNameIsCutToTheWorkBuffer)
{
    const std::string longStep(400, 'S');
    ExceptionPtr e = Make(longStep.c_str(), 10061);
    char buffer[512];
    std::memset(buffer, '#', sizeof buffer);

    e->GetErrorMessage(buffer, sizeof buffer);

    EXPECT_EQ(std::strlen(buffer), 199u);
}

}  // namespace
