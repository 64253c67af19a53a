// A scale that stops answering ends the attempt within the FTP client's time-outs instead of holding
// the page. The time-outs are shortened to seconds here so that each bound can be watched.
#include <chrono>
#include <gtest/gtest.h>
#include <string>

#include "platform/net/Internet.h"
#include "platform/net/InternetTimeouts.h"
#include "tests/support/NetFtpAttempt.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/NetTestFile.h"
#include "tests/support/ScaleSimulator.h"
#include "tests/support/TestServices.h"

namespace {

using tarvel::test::kRecoveryAddress;
using tarvel::test::NetFtpAttempt;
using tarvel::test::NetTestFile;
using tarvel::test::ScaleSimulator;

class FtpTimeoutPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE(); }
    void TearDown() override { test_services::RestoreFtpTimeouts(); }

    static void Timeouts(long connectMs, long responseSeconds, long stallSeconds)
    {
        test_services::SetFtpTimeouts({connectMs, responseSeconds, connectMs, stallSeconds});
    }
};

TEST_F(FtpTimeoutPlatformTest, ServerThatNeverAnswersFailsWithinTheResponseTimeout)
{
    ScaleSimulator silent(kRecoveryAddress, {"--silent"});
    ASSERT_TRUE(silent.IsReady()) << silent.Error();
    Timeouts(30000, 2, 30);  // only the wait for the server's answer is short

    NetFtpAttempt attempt;
    attempt.Connect(kRecoveryAddress);

    ASSERT_TRUE(attempt.thrown);
    EXPECT_EQ(attempt.error, ERROR_INTERNET_TIMEOUT);
    EXPECT_GE(attempt.seconds, 1.8);
    EXPECT_LE(attempt.seconds, 4.0);
    EXPECT_EQ(attempt.text, "No reply from 192.168.10.1 port 21: Timeout was reached");
    RecordProperty("seconds", std::to_string(attempt.seconds));
}

TEST_F(FtpTimeoutPlatformTest, ScaleThatTakesNoConnectionFailsWithinTheConnectTimeout)
{
    ScaleSimulator deaf(kRecoveryAddress, {"--no-accept"});
    ASSERT_TRUE(deaf.IsReady()) << deaf.Error();
    Timeouts(2000, 30, 30);

    NetFtpAttempt attempt;
    attempt.Connect(kRecoveryAddress);

    ASSERT_TRUE(attempt.thrown);
    EXPECT_EQ(attempt.error, ERROR_INTERNET_TIMEOUT);
    EXPECT_GE(attempt.seconds, 1.8);
    EXPECT_LE(attempt.seconds, 4.0);
    EXPECT_EQ(attempt.text.rfind("Failed to connect to 192.168.10.1 port 21 after ", 0), 0u) << attempt.text;
    RecordProperty("seconds", std::to_string(attempt.seconds));
}

TEST_F(FtpTimeoutPlatformTest, StalledTransferIsFalseWithinTheStallTime)
{
    ScaleSimulator scale(kRecoveryAddress, {"--stall-after", "1048576"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    Timeouts(30000, 30, 2);
    // Larger than what the socket buffers of both ends can swallow.
    const NetTestFile image(48 * 1024 * 1024, 9);
    NetFtpAttempt attempt;
    attempt.Connect(kRecoveryAddress);
    ASSERT_NE(attempt.connection, nullptr) << attempt.text;

    const auto start = std::chrono::steady_clock::now();
    const BOOL stored = attempt.connection->PutFile(image.Path().c_str(), "d:\\boot.bin");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    // libcurl judges the speed over the last five seconds, sampled once a second: when the sockets
    // take their last bytes after the first sample, the stall shows only once those bytes have left
    // the window (seen: 4.8 s mostly, 9.0 and 9.9 s now and then).
    EXPECT_EQ(stored, FALSE);
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 2.0 + 5.0 + 5.0);
    RecordProperty("seconds", std::to_string(seconds));

    // Letting go of the stalled connection does not wait for the scale either.
    const auto closeStart = std::chrono::steady_clock::now();
    attempt.Close();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - closeStart).count(), 3.0);
}

}  // namespace
