// The Step 2 pages against simulated scales inside the test namespace: real widgets, real sockets.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "resources/ControlIds.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/ScaleSimulator.h"
#include "tests/support/Stopwatch.h"
#include "tests/support/WizardHarness.h"

namespace {

using tarvel::test::kRecoveryAddress;
using tarvel::test::kTestModeAddress;
using tarvel::test::ScaleSimulator;

class ConnectionPageTest : public ::testing::Test {
protected:
    void SetUp() override { TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE(); }

    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();

    // Which of success, failure, note and frame, wait text the page shows, as a string "SFNFW".
    std::string Shown(CWnd* page)
    {
        std::string shown;
        for (int id : {IDC_CONNECTED_TEXT, IDC_CONNECT_FAILED_TEXT, IDC_CONNECT_NOTE, IDC_CONNECT_FRAME,
                       IDC_CHECKING_TEXT})
            shown += wizard.Visible(page, id) ? "1" : "0";
        return shown;
    }
    bool Back() { return wizard.Enabled(WizardButton::Back); }
    bool Next() { return wizard.Enabled(WizardButton::Next); }
    bool CheckButtonEnabled(CWnd* page) { return wizard.ControlEnabled(page, IDC_CHECK_CONNECTION); }
    bool WaitForResult(CZeltoConnectPage& page, int timeoutMs = 8000)
    {
        return wizard.PumpUntil([&page] { return !page.m_bChecking; }, timeoutMs);
    }
    void TypeAddress(const char* a, const char* b, const char* c, const char* d)
    {
        wizard.SetAddressFields(&sheet.m_Page2a, IDC_SCALE_ADDRESS, {a, b, c, d});
    }
    std::string ShownAddress() { return wizard.AddressText(&sheet.m_Page2a, IDC_SCALE_ADDRESS); }
    void GoToFixedAddressPage()
    {
        wizard.Press(WizardButton::Next);
        wizard.Press(WizardButton::Next);
        ASSERT_EQ(wizard.Active(), 2);
    }
    void GoToAddressEntryPage()
    {
        wizard.ChooseMode(MODE_APLY_ONLY);
        wizard.Press(WizardButton::Next);
        wizard.Press(WizardButton::Next);
        ASSERT_EQ(wizard.Active(), 3);
    }
};

TEST_F(ConnectionPageTest, SilentScaleRefusesCancelDuringTheCheckAndFailsByTimeOutWhateverTheWallClockDoes)
{
    ScaleSimulator scale(kRecoveryAddress, {"--no-accept"});
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    GoToFixedAddressPage();
    CZeltoPage2& page = sheet.m_Page2;
    EXPECT_EQ(Shown(&page), "00110");  // not checked: the note in its frame
    EXPECT_TRUE(Back());
    EXPECT_FALSE(Next());

    const Stopwatch clock;
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    EXPECT_TRUE(page.m_bChecking);
    EXPECT_EQ(Shown(&page), "00011");  // the wait text; the frame keeps its visibility
    EXPECT_FALSE(Back());
    EXPECT_FALSE(Next());
    EXPECT_FALSE(CheckButtonEnabled(&page));

    wizard.Press(WizardButton::Cancel);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Please wait until scale communications completes.");
    EXPECT_EQ(wizard.EndResult(), 0);
    EXPECT_EQ(wizard.Active(), 2);

    // The wall clock set back an hour while the check runs changes nothing: its seconds are counted
    // on the clock that only moves forward.
    wizard.PumpUntil([] { return false; }, 1000);
    test_services::StepWallClock(-3600);

    // While the error box is open the page still shows the check running.
    std::string shownBehindBox;
    bool buttonsBehindBox = true;
    wizard.onBox = [&](const MessageBoxCall&) {
        shownBehindBox = Shown(&page);
        buttonsBehindBox = Back() || Next() || CheckButtonEnabled(&page);
    };
    ASSERT_TRUE(WaitForResult(page));
    const long long elapsed = clock.ElapsedMs();
    EXPECT_GE(elapsed, 3900);
#ifdef _WIN32
    // Under Wine each of the check's ten half-second waits overshoots by up to some 17 ms (under 2 ms
    // on Linux), and the error box is a real window that opens 30 to 170 ms after the worker's result:
    // measured 5.09 to 5.67 s on a busy two-core machine. A check that waited one quiet pass more
    // would still take over 6 s.
    EXPECT_LE(elapsed, 6000);
#else
    EXPECT_LE(elapsed, 5600);
#endif
    RecordProperty("milliseconds", std::to_string(elapsed));
    ASSERT_EQ(wizard.boxes.size(), 2u);
    EXPECT_EQ(wizard.boxes[1].text.rfind("Unable to connect to scale! : Connect - Timeout error #", 0), 0u)
        << wizard.boxes[1].text;
    EXPECT_EQ(wizard.boxes[1].helpId, 0u);
    EXPECT_EQ(shownBehindBox, "00011");
    EXPECT_FALSE(buttonsBehindBox);

    EXPECT_EQ(sheet.m_nConnectState, CONNECT_FAILED);
    EXPECT_EQ(Shown(&page), "01000");
    EXPECT_TRUE(Back());
    EXPECT_FALSE(Next());
    EXPECT_TRUE(CheckButtonEnabled(&page));

    wizard.Press(WizardButton::Cancel);  // after the result Cancel ends the wizard at once
    EXPECT_EQ(wizard.EndResult(), IDCANCEL);
    EXPECT_EQ(wizard.boxes.size(), 2u);
}

TEST_F(ConnectionPageTest, ARefusedConnectionFailsAtOnceWithItsCause)
{
    GoToFixedAddressPage();  // nothing listens at the recovery address
    const Stopwatch clock;
    wizard.Click(&sheet.m_Page2, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(sheet.m_Page2));
    EXPECT_LT(clock.ElapsedMs(), 2000);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Unable to connect to scale! : Connect error #10061");
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_FAILED);
}

TEST_F(ConnectionPageTest, ASuccessSurvivesBackAndNextAndANewCheckStartsAfresh)
{
    auto scale = std::make_unique<ScaleSimulator>(kRecoveryAddress);
    ASSERT_TRUE(scale->IsReady()) << scale->Error();
    GoToFixedAddressPage();
    CZeltoPage2& page = sheet.m_Page2;
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(page));
    EXPECT_TRUE(wizard.boxes.empty());
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_OK);
    EXPECT_EQ(Shown(&page), "10000");
    EXPECT_TRUE(Back());
    EXPECT_TRUE(Next());

    wizard.Press(WizardButton::Back);
    EXPECT_EQ(wizard.Active(), 1);
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 2);
    EXPECT_EQ(test_services::RunningWorkerThreads(), 0);  // shown again without a new check
    EXPECT_EQ(Shown(&page), "10000");
    EXPECT_TRUE(Next());

    // The scale stops answering: a new check first hides the success and locks the buttons.
    scale.reset();
    scale = std::make_unique<ScaleSimulator>(kRecoveryAddress, std::vector<std::string>{"--no-accept"});
    ASSERT_TRUE(scale->IsReady()) << scale->Error();
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    EXPECT_EQ(Shown(&page), "00001");
    EXPECT_FALSE(Back());
    EXPECT_FALSE(Next());
    ASSERT_TRUE(WaitForResult(page));
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_FAILED);
    EXPECT_FALSE(Next());

    // Next from an established connection passes over the address-entry page.
    scale.reset();
    scale = std::make_unique<ScaleSimulator>(kRecoveryAddress);
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(page));
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 4);
}

TEST_F(ConnectionPageTest, AWorkerThatCannotStartEndsInAFailedCheck)
{
    GoToFixedAddressPage();
    test_services::FailNextThreadStart();
    wizard.Click(&sheet.m_Page2, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(sheet.m_Page2, 2000));
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Unable to connect to scale! : the connection check could not be started.");
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_FAILED);
    EXPECT_EQ(Shown(&sheet.m_Page2), "01000");
    EXPECT_TRUE(Back());
    EXPECT_TRUE(CheckButtonEnabled(&sheet.m_Page2));
}

TEST_F(ConnectionPageTest, TestModeStartsAtTheAnyAddressWhichNeverConnects)
{
    GoToAddressEntryPage();
    EXPECT_EQ(ShownAddress(), "0.0.0.0");
    EXPECT_EQ(Shown(&sheet.m_Page2a), "00110");
    wizard.Click(&sheet.m_Page2a, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(sheet.m_Page2a));
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Unable to connect to scale! : Connect error #10049");
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_FAILED);
    EXPECT_EQ(Shown(&sheet.m_Page2a), "01010");  // the frame stays on this page
}

TEST_F(ConnectionPageTest, ABlankFieldIsRefusedAndChangesNothing)
{
    GoToAddressEntryPage();
    sheet.m_nConnectState = CONNECT_FAILED;
    TypeAddress("0", "0", "", "0");
    wizard.Click(&sheet.m_Page2a, IDC_CHECK_CONNECTION);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "Please specify a valid scale IP address.");
    EXPECT_FALSE(sheet.m_Page2a.m_bChecking);
    EXPECT_STREQ(g_szScaleAddress, "0.0.0.0");
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_FAILED);
    EXPECT_EQ(test_services::RunningWorkerThreads(), 0);
}

TEST_F(ConnectionPageTest, ATypedAddressHoldsOnlyForTheNumbersThatWereChecked)
{
    ScaleSimulator scale(kTestModeAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();
    GoToAddressEntryPage();
    CZeltoPage2a& page = sheet.m_Page2a;
    TypeAddress("10", "87", "20", "5");
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(page));
    EXPECT_STREQ(g_szScaleAddress, "10.87.20.5");
    ASSERT_EQ(sheet.m_nConnectState, CONNECT_OK);
    EXPECT_TRUE(wizard.boxes.empty());

    // A changed number at Next: stored, back to "not checked", the note, and the page stays.
    TypeAddress("10", "87", "20", "6");
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 3);
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "You have changed the IP address. Please check the connection again.");
    EXPECT_STREQ(g_szScaleAddress, "10.87.20.6");
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_NOT_CHECKED);
    EXPECT_EQ(Shown(&page), "00110");
    EXPECT_FALSE(Next());
    EXPECT_EQ(ShownAddress(), "10.87.20.6");

    // Checked again at the right address, the same numbers retyped leave without a new check.
    TypeAddress("10", "87", "20", "5");
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    ASSERT_TRUE(WaitForResult(page));
    ASSERT_EQ(sheet.m_nConnectState, CONNECT_OK);
    TypeAddress("10", "87", "20", "5");
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 9);
    EXPECT_EQ(test_services::RunningWorkerThreads(), 0);

    // Back on the APLY page in test mode returns here, with the stored address and the kept state.
    wizard.Press(WizardButton::Back);
    EXPECT_EQ(wizard.Active(), 3);
    EXPECT_EQ(ShownAddress(), "10.87.20.5");
    EXPECT_EQ(Shown(&page), "10010");

    // A cleared field at Next stores an empty address.
    TypeAddress("10", "", "20", "5");
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 3);
    EXPECT_STREQ(g_szScaleAddress, "");
    EXPECT_EQ(wizard.boxes.back().text, "You have changed the IP address. Please check the connection again.");
    EXPECT_EQ(sheet.m_nConnectState, CONNECT_NOT_CHECKED);

    // The longest address fits the buffer whole.
    TypeAddress("255", "255", "255", "255");
    wizard.Click(&page, IDC_CHECK_CONNECTION);
    EXPECT_STREQ(g_szScaleAddress, "255.255.255.255");
    ASSERT_TRUE(WaitForResult(page));
    EXPECT_EQ(g_szScaleAddress[15], '\0');

    wizard.Press(WizardButton::Back);
    EXPECT_EQ(wizard.Active(), 1);
}

}  // namespace
