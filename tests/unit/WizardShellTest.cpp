#include <cstring>
#include <gtest/gtest.h>

#include "platform/ui/Font.h"
#include "platform/ui/WinApp.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/WizardHarness.h"

namespace {

class WizardShellTest : public ::testing::Test {
protected:
    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();

    bool Checked(int id)
    {
        return wizard.Checked(&sheet.m_Intro, id);
    }
    HFONT FontOf(CWnd* page, int id)
    {
        return reinterpret_cast<HFONT>(page->GetDlgItem(id)->SendMessage(WM_GETFONT));
    }
};

TEST_F(WizardShellTest, IntroTitleFontIsMadeOnceAndUsedByEveryPage)
{
    ASSERT_NE(sheet.m_pTitleFont, nullptr);
    CFont* font = sheet.m_pTitleFont;
    LOGFONT lf{};
    GetObject(*font, sizeof(lf), &lf);
    EXPECT_EQ(lf.lfHeight, -13);  // 8-point dialog font, -11, one step up
    EXPECT_EQ(lf.lfWeight, 600);
    EXPECT_EQ(FontOf(&sheet.m_Intro, IDC_TITLE), static_cast<HFONT>(*font));
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(FontOf(&sheet.m_Page1, IDC_TITLE), static_cast<HFONT>(*font));
    wizard.Press(WizardButton::Back);
    EXPECT_EQ(sheet.m_pTitleFont, font);
    // Text that is not a title keeps the dialog font.
    EXPECT_NE(FontOf(&sheet.m_Intro, IDC_MODE_BIOS_APLY), static_cast<HFONT>(*font));
}

TEST_F(WizardShellTest, IntroShowsTheModeOnEveryActivationAndNeverEnablesBack)
{
    EXPECT_EQ(wizard.Active(), 0);
    EXPECT_TRUE(Checked(IDC_MODE_BIOS_APLY));
    EXPECT_FALSE(Checked(IDC_MODE_BIOS_FONT_APLY));
    EXPECT_FALSE(Checked(IDC_MODE_APLY_ONLY));
    EXPECT_FALSE(wizard.Enabled(WizardButton::Back));
    EXPECT_TRUE(wizard.Enabled(WizardButton::Next));

    wizard.Press(WizardButton::Next);
    sheet.m_nUpdateMode = 1;  // whatever the buttons showed, the page shows the sheet's mode
    wizard.Press(WizardButton::Back);
    EXPECT_FALSE(Checked(IDC_MODE_BIOS_APLY));
    EXPECT_TRUE(Checked(IDC_MODE_BIOS_FONT_APLY));
    EXPECT_FALSE(Checked(IDC_MODE_APLY_ONLY));
    EXPECT_FALSE(wizard.Enabled(WizardButton::Back));
}

TEST_F(WizardShellTest, ChoosingAnOperationSetsModeAndAddressOnly)
{
    sheet.m_nConnectState = 2;
    sheet.m_strUploadFile = "/x/BOOT.BIN";
    wizard.ChooseMode(MODE_APLY_ONLY);
    EXPECT_EQ(sheet.m_nUpdateMode, 2);
    EXPECT_STREQ(g_szScaleAddress, "0.0.0.0");
    EXPECT_TRUE(Checked(IDC_MODE_APLY_ONLY));
    EXPECT_FALSE(Checked(IDC_MODE_BIOS_APLY));

    std::strcpy(g_szScaleAddress, "10.1.2.3");  // typed on the address page in an earlier pass
    wizard.ChooseMode(MODE_BIOS_FONT_APLY);
    EXPECT_EQ(sheet.m_nUpdateMode, 1);
    EXPECT_STREQ(g_szScaleAddress, "192.168.10.1");
    wizard.ChooseMode(MODE_BIOS_APLY);
    EXPECT_EQ(sheet.m_nUpdateMode, 0);
    EXPECT_STREQ(g_szScaleAddress, "192.168.10.1");

    EXPECT_EQ(sheet.m_nConnectState, 2);
    EXPECT_EQ(sheet.m_strUploadFile, "/x/BOOT.BIN");
}

TEST_F(WizardShellTest, StepOnePageFollowsTheModeAndLeadsToItsConnectionPage)
{
    wizard.ChooseMode(MODE_APLY_ONLY);
    wizard.Press(WizardButton::Next);
    ASSERT_EQ(wizard.Active(), 1);
    EXPECT_EQ(wizard.Text(&sheet.m_Page1, IDC_TITLE), "Step 1:  Reboot scale in TEST mode");
    EXPECT_EQ(wizard.Text(&sheet.m_Page1, IDC_INSTRUCTION_2),
              "Reboot the scale in TEST mode and select the \"C02-04 APPLI COPY\" menu item.");
    EXPECT_TRUE(wizard.Enabled(WizardButton::Back));
    EXPECT_TRUE(wizard.Enabled(WizardButton::Next));
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 3);

    // Back to the intro page, another operation: the recovery texts come back.
    sheet.SetActivePage(&sheet.m_Page1);
    wizard.Press(WizardButton::Back);
    wizard.ChooseMode(MODE_BIOS_APLY);
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Text(&sheet.m_Page1, IDC_TITLE), "Step 1:  Reboot scale in recovery mode");
    EXPECT_EQ(wizard.Text(&sheet.m_Page1, IDC_INSTRUCTION_2),
              "Use a cotton bud or similar to hold down the \"MEMORY SWITCH FOR A/D DATA\" button and turn on "
              "the power.");
    wizard.Press(WizardButton::Next);
    EXPECT_EQ(wizard.Active(), 2);
}

TEST_F(WizardShellTest, CompletionPageHasItsTitleByModeAndOnlyBackAndFinish)
{
    const struct {
        int mode;
        const char* title;
    } cases[] = {{0, "Step 7:  Scale firmware update complete"},
                 {1, "Step 10:  Scale firmware update complete"},
                 {2, "Step 5:  Scale firmware update complete"},
                 {7, "Step 10:  Scale firmware update complete"}};
    for (const auto& c : cases) {
        sheet.m_nUpdateMode = c.mode;
        sheet.SetActivePage(&sheet.m_Page7);
        EXPECT_EQ(wizard.Text(&sheet.m_Page7, IDC_TITLE), c.title);
        EXPECT_TRUE(wizard.Enabled(WizardButton::Back));
        EXPECT_TRUE(wizard.Enabled(WizardButton::Finish));
        EXPECT_FALSE(wizard.Shown(WizardButton::Next));
        sheet.SetActivePage(&sheet.m_Page4aFont);
        EXPECT_TRUE(wizard.Enabled(WizardButton::Next));
        EXPECT_FALSE(wizard.Shown(WizardButton::Finish));
    }
    sheet.SetActivePage(&sheet.m_Page7);
    wizard.Press(WizardButton::Finish);
    EXPECT_EQ(wizard.EndResult(), ID_WIZFINISH);
    EXPECT_TRUE(wizard.boxes.empty());
}

// A technician who uses only the keyboard, from the moment the wizard opens: the arrows choose test
// mode at once, Enter goes on, and the address typed on Step 2 replaces the "0.0.0.0" shown there,
// though the sheet moved the focus to the address before the page filled it in.
TEST_F(WizardShellTest, TheKeyboardAloneChoosesTheModeAndTypesTheAddressFromTheStart)
{
    wizard.PressKey(WizardHarness::Key::Down);
    wizard.PressKey(WizardHarness::Key::Down);
    EXPECT_EQ(sheet.m_nUpdateMode, MODE_APLY_ONLY);
    wizard.PressKey(WizardHarness::Key::Return);
    wizard.PressKey(WizardHarness::Key::Return);
    ASSERT_EQ(wizard.Active(), 3);
#ifdef _WIN32
    // The address control is the system's own there, and how it moves between fields is its own
    // (Wine's leaves the caret before the next field's "0" as it moves on): the first field is the
    // page's part, focused with its "0" selected.
    wizard.TypeText("192");
    EXPECT_EQ(sheet.m_Page2a.GetEnteredAddress(), "192.0.0.0");
#else
    wizard.TypeText("192.168.10.1");
    EXPECT_EQ(sheet.m_Page2a.GetEnteredAddress(), "192.168.10.1");
#endif
}

}  // namespace
