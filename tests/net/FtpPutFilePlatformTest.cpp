// Storing files on the simulated scale through the Internet classes: what arrives, under which name,
// by which commands, and the FALSE of every failed send.
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/net/Internet.h"
#include "tests/support/NetFtpAttempt.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/NetTestFile.h"
#include "tests/support/ScaleSimulator.h"

namespace {

using tarvel::test::kRecoveryAddress;
using tarvel::test::NetFtpAttempt;
using tarvel::test::NetTestFile;
using tarvel::test::ReadWholeFile;
using tarvel::test::ScaleSimulator;

struct ConnectionCloser {
    void operator()(CFtpConnection* connection) const
    {
        connection->Close();
        delete connection;
    }
};
using Connection = std::unique_ptr<CFtpConnection, ConnectionCloser>;

class FtpPutFilePlatformTest : public ::testing::Test {
protected:
    void SetUp() override { TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE(); }

    // Logs in as the upload worker does; fails the test on an exception.
    Connection Open(CInternetSession& session)
    {
        try {
            return Connection(session.GetFtpConnection(kRecoveryAddress, "test", "vamek", 21, FALSE));
        } catch (CInternetException* e) {
            char text[200];
            e->GetErrorMessage(text, sizeof text);
            e->Delete();
            ADD_FAILURE() << "login failed: " << text;
            return nullptr;
        }
    }
};

TEST_F(FtpPutFilePlatformTest, StoresTheWholeFileUnderTheRemoteNameInActiveMode)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const NetTestFile image(3 * 1024 * 1024 + 17, 1);  // several upload buffers and a ragged end
    CInternetSession session;
    Connection connection = Open(session);
    ASSERT_TRUE(connection);

    EXPECT_NE(connection->PutFile(image.Path().c_str(), "d:\\boot.bin", FTP_TRANSFER_TYPE_BINARY, 1), FALSE);
    connection.reset();
    session.Close();

    EXPECT_EQ(scale.StoredNames(), std::vector<std::string>{"d:\\boot.bin"});
    EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\boot.bin")) == image.Bytes()) << "stored bytes differ";

    // Logged in once, then PORT (not EPRT), binary, and the name as given without a change of directory.
    const std::string commands = scale.Commands();
    EXPECT_EQ(commands.find("USER test"), commands.rfind("USER test")) << commands;
    EXPECT_NE(commands.find("PORT 192,168,10,1,"), std::string::npos) << commands;
    EXPECT_EQ(commands.find("EPRT"), std::string::npos) << commands;
    EXPECT_EQ(commands.find("PASV"), std::string::npos) << commands;
    EXPECT_NE(commands.find("TYPE I"), std::string::npos) << commands;
    EXPECT_NE(commands.find("STOR d:\\boot.bin\n"), std::string::npos) << commands;
    EXPECT_EQ(commands.find("CWD"), std::string::npos) << commands;
}

TEST_F(FtpPutFilePlatformTest, OneConnectionStoresSeveralFilesButNoEmptyOne)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const NetTestFile font(200000, 2);
    const NetTestFile empty(0, 3);
    const NetTestFile aply(1000, 10);
    CInternetSession session;
    Connection connection = Open(session);
    ASSERT_TRUE(connection);

    EXPECT_NE(connection->PutFile(font.Path().c_str(), "d:\\font.bin"), FALSE);
    EXPECT_EQ(connection->PutFile(empty.Path().c_str(), "d:\\aply.bin"), FALSE);
    EXPECT_NE(connection->PutFile(aply.Path().c_str(), "d:\\aply.bin"), FALSE);

    EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\font.bin")) == font.Bytes());
    EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\aply.bin")) == aply.Bytes());
    EXPECT_EQ(scale.StoredNames().size(), 2u);
}

TEST_F(FtpPutFilePlatformTest, MissingOrUnreadableLocalFileIsFalseAndSendsNothing)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    CInternetSession session;
    Connection connection = Open(session);
    ASSERT_TRUE(connection);

    EXPECT_EQ(connection->PutFile("/nonexistent/BOOT.BIN", "d:\\boot.bin"), FALSE);
    EXPECT_EQ(connection->PutFile("/tmp", "d:\\boot.bin"), FALSE);  // a folder is no image

    EXPECT_TRUE(scale.StoredNames().empty());
    EXPECT_EQ(scale.Commands().find("STOR"), std::string::npos);

    // The connection is still good for a file that is there.
    const NetTestFile image(1000, 5);
    EXPECT_NE(connection->PutFile(image.Path().c_str(), "d:\\boot.bin"), FALSE);
}

TEST_F(FtpPutFilePlatformTest, RefusedStoreIsFalse)
{
    ScaleSimulator scale(kRecoveryAddress, {"--refuse-store"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const NetTestFile image(100000, 6);
    CInternetSession session;
    Connection connection = Open(session);
    ASSERT_TRUE(connection);

    EXPECT_EQ(connection->PutFile(image.Path().c_str(), "d:\\boot.bin"), FALSE);
    EXPECT_TRUE(scale.StoredNames().empty());
}

TEST_F(FtpPutFilePlatformTest, ScaleThatRefusesOnceTakesTheNextAttempt)
{
    ScaleSimulator scale(kRecoveryAddress, {"--refuse-store", "--refuse-store-count", "1"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const NetTestFile image(50000, 7);

    for (BOOL expected : {FALSE, TRUE}) {
        // Each attempt with a session and connection of its own, as a retry makes them.
        CInternetSession session;
        Connection connection = Open(session);
        ASSERT_TRUE(connection);
        EXPECT_EQ(connection->PutFile(image.Path().c_str(), "d:\\boot.bin") != FALSE, expected != FALSE);
    }
    EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\boot.bin")) == image.Bytes());
}

TEST_F(FtpPutFilePlatformTest, BrokenDataConnectionIsFalse)
{
    ScaleSimulator scale(kRecoveryAddress, {"--cut-after", "65536"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const NetTestFile image(8 * 1024 * 1024, 8);
    CInternetSession session;
    Connection connection = Open(session);
    ASSERT_TRUE(connection);

    EXPECT_EQ(connection->PutFile(image.Path().c_str(), "d:\\boot.bin"), FALSE);
    EXPECT_LE(ReadWholeFile(scale.StoredPath("d:\\boot.bin")).size(), 65536u);
}

TEST_F(FtpPutFilePlatformTest, TheStoredSizeIsCheckedWhereTheScaleTellsIt)
{
    const NetTestFile image(100000, 9);

    // A scale that keeps only the start of the file yet reports the store complete.
    {
        ScaleSimulator scale(kRecoveryAddress, {"--truncate-stored", "4096"});
        ASSERT_TRUE(scale.IsReady()) << scale.Error();
        CInternetSession session;
        Connection connection = Open(session);
        ASSERT_TRUE(connection);

        EXPECT_EQ(connection->PutFile(image.Path().c_str(), "d:\\boot.bin"), FALSE);
        EXPECT_EQ(connection->GetLastPutFileFault(),
                  "The scale reports d:\\boot.bin as 4096 bytes, but 100000 bytes were sent");
        EXPECT_EQ(ReadWholeFile(scale.StoredPath("d:\\boot.bin")).size(), 4096u);
        const std::string commands = scale.Commands();
        EXPECT_NE(commands.find("STOR d:\\boot.bin\nSIZE d:\\boot.bin\n"), std::string::npos) << commands;
        EXPECT_EQ(commands.find("USER test"), commands.rfind("USER test")) << commands;
    }

    // A scale that does not know SIZE is taken at its word, as before.
    {
        ScaleSimulator scale(kRecoveryAddress, {"--no-size"});
        ASSERT_TRUE(scale.IsReady()) << scale.Error();
        CInternetSession session;
        Connection connection = Open(session);
        ASSERT_TRUE(connection);

        EXPECT_NE(connection->PutFile(image.Path().c_str(), "d:\\boot.bin"), FALSE);
        EXPECT_EQ(connection->GetLastPutFileFault(), "");
        EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\boot.bin")) == image.Bytes());
        EXPECT_NE(scale.Commands().find("SIZE d:\\boot.bin\n"), std::string::npos) << scale.Commands();
    }
}

// What makes libcurl end a step (a status report that throws, an option it refuses) fails that step
// with the reason, instead of unwinding through libcurl's frames or running without the option.
TEST_F(FtpPutFilePlatformTest, WhatStopsLibcurlFailsTheStepWithItsReason)
{
#ifdef _WIN32
    GTEST_SKIP() << "libcurl's own failures: the Windows backend's FTP session has no libcurl";
#endif
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    struct FailingSession : CInternetSession {
        DWORD failing = INTERNET_STATUS_RESPONSE_RECEIVED;  // a store's reports fail once bytes move
        FailingSession() { EnableStatusCallback(TRUE); }
        void OnStatusCallback(DWORD_PTR, DWORD status, LPVOID info, DWORD) override
        {
            if (status == failing && (status != INTERNET_STATUS_REQUEST_SENT || *static_cast<DWORD*>(info) != 0))
                throw std::runtime_error("page gone");
        }
    } session;
    const std::string tooLong(9000000, 'x');  // beyond what libcurl takes as a string option
    const std::string badArgument = ": A libcurl function was given a bad argument";
    NetFtpAttempt failing, refused;
    failing.Connect(kRecoveryAddress, &session);
    EXPECT_EQ(failing.text, "Stopped by a failed status report: page gone");
    refused.Connect(kRecoveryAddress, &session, tooLong.c_str());
    EXPECT_EQ(refused.text, "The Internet library refused CURLOPT_PASSWORD" + badArgument);

    session.failing = INTERNET_STATUS_REQUEST_SENT;
    Connection connection = Open(session);
    ASSERT_TRUE(connection);
    const NetTestFile image(1024 * 1024, 4);
    EXPECT_EQ(connection->PutFile(image.Path().c_str(), "d:\\boot.bin"), FALSE);
    EXPECT_EQ(connection->GetLastPutFileFault(), "Stopped by a failed status report: page gone");
    EXPECT_EQ(connection->PutFile(image.Path().c_str(), tooLong.c_str()), FALSE);
    EXPECT_EQ(connection->GetLastPutFileFault(), "The Internet library refused CURLOPT_URL" + badArgument);
}

}  // namespace
