// The wizard's shell where only the Qt backend can look: its page places, the program path in
// Linux separators, a font held by a window object without a window, the keyboard focus and key
// presses through QTest, accessibility, and Escape as a key event. The same shell's other
// behaviour is in WizardShellTest.cpp, on both backends.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

#include "platform/ui/Font.h"
#include "tests/support/qt/WidgetAccess.h"
#include "platform/ui/WinApp.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/WizardHarness.h"

namespace {

using test_services::WidgetOf;

TEST(ZeltoSheet, StartsWithTwelvePagesInOrderAndItsStartValues)
{
    test_services::SetProgramPath("/opt/scale tools/TarvelWiz");
    CZeltoSheet sheet(IDS_CAPTION);
    CPropertyPage* expected[] = {&sheet.m_Intro, &sheet.m_Page1, &sheet.m_Page2, &sheet.m_Page2a,
                                 &sheet.m_Page3, &sheet.m_Page4, &sheet.m_Page4aFont, &sheet.m_Page3Font,
                                 &sheet.m_Page4Font, &sheet.m_Page5, &sheet.m_Page6, &sheet.m_Page7};
    const UINT templates[] = {129, 130, 131, 137, 132, 133, 140, 138, 139, 134, 135, 136};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(expected[i]->m_nIDTemplate, templates[i]) << i;
    EXPECT_EQ(sheet.m_Intro.m_pSheet, &sheet);
    EXPECT_EQ(sheet.m_Page7.m_pSheet, &sheet);
    EXPECT_EQ(sheet.m_nUpdateMode, 0);
    EXPECT_EQ(sheet.m_nConnectState, 0);
    EXPECT_EQ(sheet.m_strBootFile, "/opt/scale tools/BOOT.BIN");
    EXPECT_EQ(sheet.m_strAplyFile, "/opt/scale tools/APLY.BIN");
    EXPECT_EQ(sheet.m_strFontFile, "/opt/scale tools/FONT.BIN");
    EXPECT_EQ(sheet.m_strUploadFile, "");
    EXPECT_EQ(sheet.m_strLogPath, "");
    EXPECT_TRUE(sheet.m_bLogEnabled);
    EXPECT_EQ(sheet.m_pTitleFont, nullptr);
    EXPECT_EQ(WidgetOf(&sheet.m_Page2), nullptr);  // page windows are made when first shown

    // The sheet's window has a place for each page in the order the pages were added: each page
    // shows in its own place, whichever order they are shown in. The copy pages hold a result, so
    // showing them sends nothing.
    sheet.m_Page4.m_bCopyDone = sheet.m_Page4Font.m_bCopyDone = sheet.m_Page6.m_bCopyDone = TRUE;
    sheet.Create();
    ASSERT_EQ(test_services::PagePlaceCount(sheet), 12);
    for (int i = 11; i >= 0; --i) {
        sheet.SetActivePage(expected[i]);
        EXPECT_EQ(test_services::ShownPageIndex(sheet), i);
        EXPECT_TRUE(test_services::ShowsPage(sheet, expected[i])) << i;
    }
}

TEST(ZeltoSheet, AProgramPathWithoutSeparatorGivesImagesAtTheRoot)
{
    test_services::SetProgramPath("TarvelWiz");
    CZeltoSheet sheet(IDS_CAPTION);
    EXPECT_EQ(sheet.m_strBootFile, "/BOOT.BIN");
    EXPECT_EQ(sheet.m_strAplyFile, "/APLY.BIN");
    EXPECT_EQ(sheet.m_strFontFile, "/FONT.BIN");
}

// The page font is given to a window object that has no window: the Qt backend's objects keep it,
// a Win32 one has no window to hold it.
TEST(ZeltoSheet, TitleFontIsOneStepLargerAndSemiBold)
{
    const struct {
        LONG height, weight, expectedHeight, expectedWeight;
    } cases[] = {{-11, 400, -13, 600}, {-11, 700, -13, 700}, {-12, 400, -15, 600}, {-10, 599, -12, 799},
                 {-10, 600, -12, 600}};
    for (const auto& c : cases) {
        HFONT titleFont = nullptr;
        {
        CZeltoSheet sheet(IDS_CAPTION);
        LOGFONT lf{};
        lf.lfHeight = c.height;
        lf.lfWidth = 7;
        lf.lfWeight = c.weight;
        lf.lfItalic = 1;
        lf.lfCharSet = 136;
        std::strcpy(lf.lfFaceName, "MS Sans Serif");
        CFont pageFont;
        pageFont.Attach(CreateFontIndirect(&lf));
        CWnd title;
        title.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(pageFont)), TRUE);

        sheet.CreateTitleFont(&title);
        ASSERT_NE(sheet.m_pTitleFont, nullptr);
        CFont* made = sheet.m_pTitleFont;
        sheet.CreateTitleFont(&title);  // made once per sheet
        EXPECT_EQ(sheet.m_pTitleFont, made);
        sheet.CreateTitleFont(nullptr);

        LOGFONT result{};
        ASSERT_EQ(GetObject(*made, sizeof(result), &result), 60);
        EXPECT_EQ(result.lfHeight, c.expectedHeight);
        EXPECT_EQ(result.lfWeight, c.expectedWeight);
        EXPECT_EQ(result.lfWidth, 0);
        EXPECT_EQ(result.lfItalic, 1);  // everything else is kept
        EXPECT_EQ(result.lfCharSet, 136);
        EXPECT_STREQ(result.lfFaceName, "MS Sans Serif");
        titleFont = *made;
        }
        LOGFONT gone{};
        EXPECT_EQ(GetObject(titleFont, sizeof(gone), &gone), 0);  // the sheet deleted its title font
    }
}

class WizardShellQtTest : public ::testing::Test {
protected:
    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();

    bool Checked(int id)
    {
        return static_cast<QRadioButton*>(WidgetOf(sheet.m_Intro.GetDlgItem(id)))->isChecked();
    }
    HFONT FontOf(CWnd* page, int id)
    {
        return reinterpret_cast<HFONT>(page->GetDlgItem(id)->SendMessage(WM_GETFONT));
    }
};

// The operator's keys on the real sheet: the arrows move the check down the screen (1003, 1005, 1004)
// and with it the mode and address; Tab comes into the group at the checked choice; assistive
// technology hears radio buttons.
TEST_F(WizardShellQtTest, OperationChoicesAreOneGroupOfRadioButtons)
{
    QWidget* window = test_services::SheetWindow(sheet);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto radio = [this](int id) { return static_cast<QRadioButton*>(WidgetOf(sheet.m_Intro.GetDlgItem(id))); };
    auto focused = [] { return QApplication::focusWidget(); };

    radio(IDC_MODE_BIOS_APLY)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Down);
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_EQ(focused(), radio(IDC_MODE_APLY_ONLY));
    EXPECT_TRUE(Checked(IDC_MODE_APLY_ONLY));
    EXPECT_FALSE(Checked(IDC_MODE_BIOS_APLY));
    EXPECT_FALSE(Checked(IDC_MODE_BIOS_FONT_APLY));
    EXPECT_EQ(sheet.m_nUpdateMode, MODE_APLY_ONLY);
    EXPECT_STREQ(g_szScaleAddress, "0.0.0.0");

    QTest::keyClick(focused(), Qt::Key_Up);
    EXPECT_EQ(focused(), radio(IDC_MODE_BIOS_FONT_APLY));
    EXPECT_TRUE(Checked(IDC_MODE_BIOS_FONT_APLY));
    EXPECT_FALSE(Checked(IDC_MODE_APLY_ONLY));
    EXPECT_EQ(sheet.m_nUpdateMode, MODE_BIOS_FONT_APLY);
    EXPECT_STREQ(g_szScaleAddress, "192.168.10.1");

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(radio(IDC_MODE_BIOS_FONT_APLY));
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::RadioButton);
    EXPECT_TRUE(access->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(radio(IDC_MODE_BIOS_APLY))->state().checked);

    // The page sets the checks from the mode (BM_SETCHECK) when it is shown again; Tab, from the
    // sheet's buttons, then comes into the group at the choice it checked.
    wizard.Press(WizardButton::Next);
    sheet.m_nUpdateMode = MODE_APLY_ONLY;
    wizard.Press(WizardButton::Back);
    EXPECT_TRUE(Checked(IDC_MODE_APLY_ONLY));
    EXPECT_FALSE(Checked(IDC_MODE_BIOS_FONT_APLY));
    test_services::WizardButtonOf(sheet, WizardButton::Cancel)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 8 && qobject_cast<QRadioButton*>(focused()) == nullptr; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), radio(IDC_MODE_APLY_ONLY));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(qobject_cast<QRadioButton*>(focused()), nullptr) << "Tab leaves the group after one choice";

    // BM_SETCHECK 0 clears even the checked choice.
    sheet.m_Intro.GetDlgItem(IDC_MODE_APLY_ONLY)->SendMessage(BM_SETCHECK, 0, 0);
    EXPECT_FALSE(Checked(IDC_MODE_APLY_ONLY));
}

// A wizard button disabled while it has the focus (Next, while a page works) leaves no control
// focused, so that a Space meant for the page does not land on Cancel; the next page shown then gives
// the focus to its first control.
TEST_F(WizardShellQtTest, AButtonDisabledWithTheFocusLeavesItToTheNextPage)
{
    QWidget* window = test_services::SheetWindow(sheet);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    test_services::WizardButtonOf(sheet, WizardButton::Next)->setFocus(Qt::TabFocusReason);

    sheet.SendMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK);
    EXPECT_EQ(QApplication::focusWidget(), window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(wizard.EndResult(), 0);

    sheet.SetActivePage(&sheet.m_Page3);
    EXPECT_EQ(QApplication::focusWidget(), WidgetOf(sheet.m_Page3.GetDlgItem(IDC_SELECT)));
}

// A page that may refuse to let the wizard close, to see which ways out ask it.
class GuardedPage : public CPropertyPage {
public:
    GuardedPage() : CPropertyPage(IDD_REBOOT_FONT) {}
    BOOL OnQueryCancel() override
    {
        ++asked;
        return allow;
    }
    int asked = 0;
    BOOL allow = FALSE;
};

TEST(PropertySheet, CancelCloseButtonAndEscapeAllAskTheActivePage)
{
    CPropertySheet sheet(IDS_CAPTION);
    GuardedPage page;
    sheet.AddPage(&page);
    sheet.Create();
    QWidget* window = test_services::SheetWindow(sheet);

    test_services::WizardButtonOf(sheet, WizardButton::Cancel)->click();
    window->close();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &escape);
    EXPECT_EQ(page.asked, 3);
    EXPECT_EQ(test_services::SheetEndResult(sheet), 0);
    EXPECT_TRUE(window->isVisible());

    page.allow = TRUE;
    QApplication::sendEvent(window, &escape);
    EXPECT_EQ(page.asked, 4);
    EXPECT_EQ(test_services::SheetEndResult(sheet), IDCANCEL);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
