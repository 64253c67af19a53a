// The copy-and-confirm pages and their upload workers against simulated scales inside the test
// namespace: what the operator sees, what the scale stores and what the log says.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

#include "common/PathSeparator.h"
#include "platform/net/InternetTimeouts.h"
#include "platform/ui/Thread.h"
#include "resources/ControlIds.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/ScaleSimulator.h"
#include "tests/support/Stopwatch.h"
#include "tests/support/WizardHarness.h"
#include "transfer/ZeltoCopyPage.h"

namespace {

using tarvel::test::kRecoveryAddress;
using tarvel::test::ReadWholeFile;
using tarvel::test::ScaleSimulator;
using Lines = std::vector<std::string>;

constexpr const char* kFailedSendText = "FTP file copy error!";

class CopyPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE();
        // Short waits, so that a silent or stalled scale is given up within seconds here.
        test_services::SetFtpTimeouts({3000, 2, 3000, 2});
        imagePath = InImages("BOOT.BIN");
        std::filesystem::create_directories(InImages(""));
        image.resize(300000);
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<char>((i * 7919 + i / 251) & 0xFF);
        std::ofstream(imagePath, std::ios::binary) << image;
    }
    void TearDown() override
    {
        test_services::RestoreFtpTimeouts();
        test_services::InjectInternetFault(test_services::InternetFault::None);
    }

    // Arrives on a copy page as the selection page before it would have sent the operator there.
    void Arrive(CZeltoCopyPage& page, int mode, const std::string& upload)
    {
        sheet.m_nUpdateMode = mode;
        sheet.m_strBootFile = imagePath;
        sheet.m_strUploadFile = upload;
        sheet.SetActivePage(&page);
    }
    bool WaitForResult(CZeltoCopyPage& page, int timeoutMs = 15000)
    {
        return wizard.PumpUntil([&page] { return page.m_bCopyDone && !page.m_bCopying; }, timeoutMs);
    }
    // Which of copying, copied (1008 and 1004), failed (1003 and Retry) the page shows, as "CSF".
    std::string Shown(CWnd* page)
    {
        return std::string(wizard.Visible(page, IDC_COPYING_TEXT) ? "1" : "0") +
               (wizard.Visible(page, IDC_COPIED_TEXT) && wizard.Visible(page, IDC_NEXT_HINT) ? "1" : "0") +
               (wizard.Visible(page, IDC_COPY_FAILED_TEXT) && wizard.Visible(page, IDC_RETRY) ? "1" : "0");
    }
    static int Stores(const ScaleSimulator& scale)
    {
        const std::string commands = scale.Commands();
        int count = 0;
        for (std::size_t at = commands.find("STOR"); at != std::string::npos; at = commands.find("STOR", at + 4))
            ++count;
        return count;
    }

    // A path in the images folder beside the program, in the platform's separators.
    std::string InImages(const std::string& name) const
    {
        return wizard.ProgramDir() + kPathSeparatorString + "images" + kPathSeparatorString + name;
    }

    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();
    std::string imagePath;
    std::string image;
};

TEST_F(CopyPageTest, ASuccessfulUploadIsStoredUnderItsRemoteNameAndLogged)
{
    // A scale on a slow link, so that the upload lasts (about 0.6 s) beyond the first look at the page:
    // at full speed it ends within 40 to 110 ms, sometimes before that look.
    ScaleSimulator scale(kRecoveryAddress, {"--rate", "512"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    EXPECT_EQ(Shown(&sheet.m_Page4), "100");
    EXPECT_FALSE(wizard.Enabled(WizardButton::Back));
    EXPECT_FALSE(wizard.Enabled(WizardButton::Next));
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));

    EXPECT_NE(sheet.m_Page4.m_bCopyOK, FALSE);
    EXPECT_TRUE(wizard.boxes.empty());
    EXPECT_EQ(Shown(&sheet.m_Page4), "010");
    EXPECT_TRUE(wizard.Enabled(WizardButton::Back));
    EXPECT_TRUE(wizard.Enabled(WizardButton::Next));
    EXPECT_EQ(scale.StoredNames(), (std::vector<std::string>{"d:\\boot.bin"}));
    EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\boot.bin")) == image);
    EXPECT_EQ(wizard.LogLines(),
              (Lines{"Start FTP thread", "Start PutFile() - " + imagePath, "End PutFile()", "FTP thread complete"}));
    // The application image is now looked for beside the BOOT image.
    EXPECT_EQ(sheet.m_strAplyFile, InImages("APLY.BIN"));

    wizard.Press(WizardButton::Cancel);
    EXPECT_EQ(wizard.EndResult(), IDCANCEL);
}

TEST_F(CopyPageTest, ARefusedStoreShowsTheErrorAndRetrySendsAgainWithoutAStartLine)
{
    ScaleSimulator scale(kRecoveryAddress, {"--refuse-store", "--refuse-store-count", "1"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    std::string shownBehindBox;
    bool buttonsBehindBox = true;
    wizard.onBox = [&](const MessageBoxCall&) {
        shownBehindBox = Shown(&sheet.m_Page4Font);
        buttonsBehindBox = wizard.Enabled(WizardButton::Back) || wizard.Enabled(WizardButton::Next);
    };
    Arrive(sheet.m_Page4Font, MODE_BIOS_FONT_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4Font));

    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, kFailedSendText);
    EXPECT_EQ(wizard.boxes[0].helpId, 0u);
    EXPECT_EQ(shownBehindBox, "100");
    EXPECT_FALSE(buttonsBehindBox);
    EXPECT_EQ(Shown(&sheet.m_Page4Font), "001");
    EXPECT_TRUE(wizard.Enabled(WizardButton::Back));
    EXPECT_FALSE(wizard.Enabled(WizardButton::Next));
    EXPECT_EQ(sheet.m_Page4Font.m_strError, kFailedSendText);

    wizard.Click(&sheet.m_Page4Font, IDC_RETRY);
    EXPECT_EQ(Shown(&sheet.m_Page4Font), "100");
    ASSERT_TRUE(WaitForResult(sheet.m_Page4Font));
    EXPECT_NE(sheet.m_Page4Font.m_bCopyOK, FALSE);
    EXPECT_EQ(Stores(scale), 2);
    EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\font.bin")) == image);
    const std::string putLine = "Start PutFile() - " + imagePath;
    EXPECT_EQ(wizard.LogLines(),
              (Lines{"Start FTP thread", putLine, "End PutFile()", "PutFile() returned FALSE", "FTP thread complete",
                     kFailedSendText, putLine, "End PutFile()", "FTP thread complete"}));
}

TEST_F(CopyPageTest, ALocalFileDeletedAfterChoosingFailsTheSend)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const std::string missing = InImages(std::string("gone") + kPathSeparatorString + "BOOT.BIN");
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, missing);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));
    EXPECT_EQ(sheet.m_Page4.m_bCopyOK, FALSE);
    EXPECT_EQ(sheet.m_Page4.m_strError, kFailedSendText);
    EXPECT_EQ(wizard.LogLines(), (Lines{"Start FTP thread", "Start PutFile() - " + missing, "End PutFile()",
                                        "PutFile() returned FALSE", "FTP thread complete", kFailedSendText}));
    EXPECT_TRUE(scale.StoredNames().empty());
    // A failed BOOT upload moves the application image beside the BOOT image all the same.
    EXPECT_EQ(sheet.m_strAplyFile, InImages("APLY.BIN"));
}

TEST_F(CopyPageTest, AnEmptyImageIsNeverSentAndTheFailureNamesIt)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    std::ofstream(imagePath, std::ios::binary | std::ios::trunc).close();
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));

    const std::string why = "The image file is empty and was not sent: " + imagePath;
    const std::string error = std::string(kFailedSendText) + " " + why;
    EXPECT_EQ(sheet.m_Page4.m_bCopyOK, FALSE);
    EXPECT_EQ(sheet.m_Page4.m_strError, error);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, error);
    EXPECT_EQ(Shown(&sheet.m_Page4), "001");
    EXPECT_FALSE(wizard.Enabled(WizardButton::Next));
    EXPECT_EQ(wizard.LogLines(),
              (Lines{"Start FTP thread", "Start PutFile() - " + imagePath, "End PutFile()", "PutFile() returned FALSE",
                     "PutFile() fault : " + why, "FTP thread complete", error}));
    // Logged in, but no store was even begun.
    EXPECT_NE(scale.Commands().find("USER test"), std::string::npos) << scale.Commands();
    EXPECT_EQ(Stores(scale), 0);
    EXPECT_TRUE(scale.StoredNames().empty());
}

TEST_F(CopyPageTest, ARefusedLoginIsLoggedByTheBootWorkerButNotByTheApplicationWorker)
{
    ScaleSimulator scale(kRecoveryAddress, {"--refuse-login"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));
    const std::string error = sheet.m_Page4.m_strError;
    EXPECT_FALSE(error.empty());
    EXPECT_LE(error.size(), 199u);
    EXPECT_EQ(error.find("inet_ntop"), std::string::npos) << error;
    EXPECT_EQ(wizard.LogLines(), (Lines{"Start FTP thread", "PutFile() exception : " + error, "FTP thread complete",
                                        error}));

    sheet.m_Page6.m_strError.clear();
    std::remove(wizard.LogPath().c_str());
    Arrive(sheet.m_Page6, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page6));
    EXPECT_EQ(sheet.m_Page6.m_strError, error);
    EXPECT_EQ(wizard.LogLines(), (Lines{"FTP thread complete", error}));
    EXPECT_EQ(wizard.boxes.size(), 2u);
}

TEST_F(CopyPageTest, AScaleThatIsOffFailsWithTheConnectionText)
{
    Arrive(sheet.m_Page4Font, MODE_BIOS_FONT_APLY, imagePath);  // nothing listens at the scale's address
    ASSERT_TRUE(WaitForResult(sheet.m_Page4Font));
    const std::string error = sheet.m_Page4Font.m_strError;
    EXPECT_NE(error.find("192.168.10.1"), std::string::npos) << error;
    EXPECT_EQ(wizard.LogLines(), (Lines{"Start FTP thread", "PutFile() exception : " + error, "FTP thread complete",
                                        error}));
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, error);
}

TEST_F(CopyPageTest, ASilentScaleIsCountedFromTheStartRefusesCancelAndEndsAtItsTimeOut)
{
    ScaleSimulator scale(kRecoveryAddress, {"--silent"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    test_services::SetFtpTimeouts({10000, 5, 3000, 2});  // the greeting is waited for five seconds
    const Stopwatch clock;
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    wizard.Press(WizardButton::Cancel);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Please wait until scale communications completes.");
    EXPECT_EQ(wizard.EndResult(), 0);
    EXPECT_EQ(wizard.Active(), 5);

    // The scale never greets: the line counts the seconds it has been silent, from the first.
    std::vector<std::pair<int, long long>> counts;  // each count as it appears, and when
    const std::regex waiting(R"(^Waiting for the scale\.\.\. (\d+) s$)");
    ASSERT_TRUE(wizard.PumpUntil([&] {
        const std::string text = wizard.Text(&sheet.m_Page4, IDC_COPY_PROGRESS_TEXT);
        std::smatch m;
        if (std::regex_match(text, m, waiting) && (counts.empty() || counts.back().first != std::stoi(m[1])))
            counts.emplace_back(std::stoi(m[1]), clock.ElapsedMs());
        return sheet.m_Page4.m_bCopyDone && !sheet.m_Page4.m_bCopying;
    }, 15000));
    ASSERT_GE(counts.size(), 3u);
    EXPECT_EQ(counts[0].first, 1);
    EXPECT_LT(counts[0].second, 3000);
    for (std::size_t i = 1; i < counts.size(); ++i)
        EXPECT_EQ(counts[i].first, counts[i - 1].first + 1);
    EXPECT_GE(clock.ElapsedMs(), 4900);         // the time-out, not sooner...
    EXPECT_LT(clock.ElapsedMs(), 5000 + 3000);  // ...and a margin
    RecordProperty("firstCountMs", std::to_string(counts[0].second));
    RecordProperty("resultMs", std::to_string(clock.ElapsedMs()));
    ASSERT_EQ(wizard.boxes.size(), 2u);
    EXPECT_EQ(wizard.boxes[1].text, "No reply from 192.168.10.1 port 21: Timeout was reached");
    EXPECT_EQ(sheet.m_Page4.m_bCopyOK, FALSE);
    EXPECT_EQ(Shown(&sheet.m_Page4), "001");
    wizard.Press(WizardButton::Cancel);
    EXPECT_EQ(wizard.EndResult(), IDCANCEL);
}

TEST_F(CopyPageTest, AScaleThatStopsReadingOrCutsTheDataConnectionFailsAndThePageStaysUsable)
{
    image.assign(24 * 1024 * 1024, 'x');  // more than the sockets' buffers hold
    std::ofstream(imagePath, std::ios::binary | std::ios::trunc) << image;
    for (const char* fault : {"--stall-after", "--cut-after"}) {
        ScaleSimulator scale(kRecoveryAddress, {fault, "200000"});
        ASSERT_TRUE(scale.IsReady()) << scale.Error();
        sheet.m_Page6.m_bCopyDone = FALSE;
        const Stopwatch clock;
        Arrive(sheet.m_Page6, MODE_APLY_ONLY, imagePath);
        ASSERT_TRUE(WaitForResult(sheet.m_Page6)) << fault;
        // The stall limit, libcurl's five-second speed window (see FtpTimeoutPlatformTest), a margin.
        EXPECT_LT(clock.ElapsedMs(), 2000 + 5000 + 3000) << fault;
        EXPECT_EQ(sheet.m_Page6.m_bCopyOK, FALSE) << fault;
        EXPECT_EQ(sheet.m_Page6.m_strError, kFailedSendText) << fault;
        EXPECT_EQ(Shown(&sheet.m_Page6), "001") << fault;
        EXPECT_TRUE(wizard.Enabled(WizardButton::Back)) << fault;
        EXPECT_EQ(test_services::RunningWorkerThreads(), 0);
    }
}

TEST_F(CopyPageTest, AResultIsShownAgainWithoutSendingUntilBackOrRetryClearsIt)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 9);  // mode 0 goes on to the application image
    wizard.Press(WizardButton::Back);
    EXPECT_EQ(wizard.Active(), 5);
    EXPECT_EQ(Shown(&sheet.m_Page4), "010");
    EXPECT_TRUE(wizard.Enabled(WizardButton::Next));
    EXPECT_EQ(test_services::RunningWorkerThreads(), 0);
    EXPECT_EQ(Stores(scale), 1);

    // Back to the selection page and Next again sends the file again.
    wizard.Press(WizardButton::Back);
    EXPECT_EQ(wizard.Active(), 4);
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 5);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));
    EXPECT_EQ(Stores(scale), 2);
    const Lines lines = wizard.LogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Start FTP thread"), 2);

    // In the font operation the BOOT page leads on to the reboot page.
    sheet.m_nUpdateMode = MODE_BIOS_FONT_APLY;
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 6);
}

TEST_F(CopyPageTest, TheApplicationCopyTitleFollowsTheMode)
{
    ScaleSimulator scale(kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const struct {
        int mode;
        const char* title;
    } cases[] = {{0, "Step 6:  Copy application program and confirm at scale"},
                 {2, "Step 4:  Copy application program and confirm at scale"},
                 {1, "Step 9:  Copy application program and confirm at scale"}};
    for (const auto& c : cases) {
        sheet.m_Page6.m_bCopyDone = FALSE;
        Arrive(sheet.m_Page6, c.mode, imagePath);
        EXPECT_EQ(wizard.Text(&sheet.m_Page6, IDC_TITLE), c.title);
        ASSERT_TRUE(WaitForResult(sheet.m_Page6));
        EXPECT_TRUE(ReadWholeFile(scale.StoredPath("d:\\aply.bin")) == image);
    }
    // The application copy page never logs a start line, and goes on to the completion page.
    const Lines lines = wizard.LogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Start FTP thread"), 0);
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 11);
}

TEST_F(CopyPageTest, AWorkerThatCannotStartEndsInAFailedUploadWithRetry)
{
    test_services::FailNextThreadStart();
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4, 2000));
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "FTP file copy error! The upload could not be started.");
    EXPECT_EQ(Shown(&sheet.m_Page4), "001");
    EXPECT_TRUE(wizard.Enabled(WizardButton::Back));
}

TEST_F(CopyPageTest, ThePageKeepsTheSendsOwnResult)
{
    // Only the result handler is driven here: the page takes wParam as it comes.
    Arrive(sheet.m_Page4Font, MODE_BIOS_FONT_APLY, imagePath);  // nothing listens: the worker fails
    ASSERT_TRUE(WaitForResult(sheet.m_Page4Font));
    sheet.m_Page4Font.m_bCopying = TRUE;
    sheet.m_Page4Font.SendMessage(WM_FTP_COMPLETE, 7, 0);
    EXPECT_EQ(sheet.m_Page4Font.m_bCopyOK, 7);
    EXPECT_EQ(Shown(&sheet.m_Page4Font), "010");
    EXPECT_FALSE(sheet.m_Page4Font.m_bCopying);
}


using test_services::InternetFault;

TEST_F(CopyPageTest, AnOverlongErrorTextIsCutTo199Characters)
{
    test_services::InjectInternetFault(InternetFault::LongErrorText);
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));
    EXPECT_EQ(sheet.m_Page4.m_strError.size(), 199u);
    EXPECT_EQ(sheet.m_Page4.m_strError.rfind("The server said: xxx", 0), 0u);
    EXPECT_EQ(wizard.LogLines()[1], "PutFile() exception : " + sheet.m_Page4.m_strError);
}

TEST_F(CopyPageTest, AFailureOtherThanTheInternetExceptionStillEndsTheUploadReadably)
{
    test_services::InjectInternetFault(InternetFault::OutOfMemory);
    Arrive(sheet.m_Page6, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page6, 3000));
    EXPECT_EQ(sheet.m_Page6.m_bCopyOK, FALSE);
    EXPECT_EQ(sheet.m_Page6.m_strError.rfind("FTP file copy error! ", 0), 0u) << sheet.m_Page6.m_strError;
    EXPECT_GT(sheet.m_Page6.m_strError.size(), std::string("FTP file copy error! ").size());
    EXPECT_EQ(Shown(&sheet.m_Page6), "001");
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, sheet.m_Page6.m_strError);
}

TEST_F(CopyPageTest, AScaleThatNeverOpensTheDataConnectionFailsWithinTheAcceptTimeOut)
{
    ScaleSimulator scale(kRecoveryAddress, {"--no-connect-back"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    const Stopwatch clock;
    Arrive(sheet.m_Page4, MODE_BIOS_APLY, imagePath);
    ASSERT_TRUE(WaitForResult(sheet.m_Page4));
    EXPECT_GE(clock.ElapsedMs(), 2900);         // it waited for the scale to connect back...
    EXPECT_LT(clock.ElapsedMs(), 3000 + 3000);  // ...for as long as it was told, and a margin
    EXPECT_EQ(sheet.m_Page4.m_bCopyOK, FALSE);
    EXPECT_EQ(sheet.m_Page4.m_strError, kFailedSendText);
    EXPECT_EQ(Shown(&sheet.m_Page4), "001");
}

}  // namespace
