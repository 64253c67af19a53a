// Opening the FTP connection: logged in when it returns, or an Internet exception whose text an
// operator can read.
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "platform/net/Internet.h"
#include "tests/support/NetFtpAttempt.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/ScaleSimulator.h"

namespace {

using tarvel::test::kRecoveryAddress;
using tarvel::test::NetFtpAttempt;
using tarvel::test::ScaleSimulator;

class FtpLoginPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE(); }
};

TEST_F(FtpLoginPlatformTest, LoginIsAStepOfItsOwn)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();

    NetFtpAttempt attempt;
    attempt.Connect(kRecoveryAddress);

    ASSERT_FALSE(attempt.thrown) << attempt.text;
    ASSERT_NE(attempt.connection, nullptr);
    const std::string commands = scale.Commands();
    EXPECT_NE(commands.find("USER test\nPASS ******\n"), std::string::npos) << commands;
    EXPECT_EQ(commands.find("STOR"), std::string::npos) << commands;
}

TEST_F(FtpLoginPlatformTest, RefusedLoginThrowsAReadableText)
{
    ScaleSimulator scale(kRecoveryAddress, {"--refuse-login"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();

    NetFtpAttempt attempt;
    attempt.Connect(kRecoveryAddress);

    ASSERT_TRUE(attempt.thrown);
    EXPECT_EQ(attempt.connection, nullptr);
    EXPECT_EQ(attempt.error, ERROR_INTERNET_INCORRECT_PASSWORD);
    EXPECT_EQ(attempt.text, "Login denied: 530 Login incorrect.");  // the scale's own reply line
}

TEST_F(FtpLoginPlatformTest, RefusedConnectionThrowsTheAddressAndTheCause)
{
    // Nothing listens on port 21 of the recovery address.
    NetFtpAttempt attempt;
    attempt.Connect(kRecoveryAddress);

    ASSERT_TRUE(attempt.thrown);
    EXPECT_EQ(attempt.error, ERROR_INTERNET_CANNOT_CONNECT);
    EXPECT_EQ(attempt.text.rfind("Failed to connect to 192.168.10.1 port 21 after ", 0), 0u) << attempt.text;
    EXPECT_NE(attempt.text.find("Couldn't connect to server"), std::string::npos) << attempt.text;
    EXPECT_NE(attempt.text.find("Connection refused"), std::string::npos) << attempt.text;
    EXPECT_EQ(attempt.text.find("inet_ntop"), std::string::npos) << attempt.text;
}

TEST_F(FtpLoginPlatformTest, ServerNameThatIsNoHostIsRefusedWithoutContact)
{
    NetFtpAttempt attempt;
    attempt.Connect("192.168.10.1/x@elsewhere");

    ASSERT_TRUE(attempt.thrown);
    EXPECT_EQ(attempt.error, ERROR_INTERNET_INVALID_URL);
    EXPECT_LT(attempt.seconds, 0.5);
}

TEST(FtpInternetExceptionTest, TextIsCutToTheCallersBuffer)
{
    CInternetException* e = new CInternetException(ERROR_INTERNET_EXTENDED_ERROR, std::string(300, 'x'));
    char text[256];
    std::memset(text, '#', sizeof text);

    EXPECT_EQ(e->GetErrorMessage(text, 200), TRUE);
    EXPECT_EQ(std::strlen(text), 199u);
    EXPECT_EQ(text[200], '#');

    std::memset(text, '#', sizeof text);
    e->GetErrorMessage(text, 0);
    EXPECT_EQ(text[0], '#');
    e->Delete();
}

}  // namespace
