// The scale address control on the address entry page, typed into with real key events as a
// technician types an address, and pasted into through the real clipboard.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/qt/WidgetAccess.h"
#include "resources/ControlIds.h"
#include "tests/support/WizardHarness.h"

namespace {

// No receiver: each key goes to the window with the focus and on to its focused field, as typing does.
QWidget* const kFocus = nullptr;

// The real sheet in an active window, so that keys reach the control with the focus.
class IpAddressTyping : public ::testing::Test {
protected:
    void SetUp() override
    {
        QWidget* window = test_services::SheetWindow(sheet);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();
};

TEST_F(IpAddressTyping, PointsBlanksArrowsRangeAndPasteWorkAsInAnAddressControl)
{
    wizard.ChooseMode(MODE_APLY_ONLY);
    wizard.Press(WizardButton::Next);
    wizard.Press(WizardButton::Next);
    ASSERT_EQ(wizard.Active(), 3);

    CWnd* control = sheet.m_Page2a.GetDlgItem(IDC_SCALE_ADDRESS);
    auto field = [control](int i) { return test_services::IpAddressField(control, i); };
    auto shown = [&field] {
        QString text;
        for (int i = 0; i < 4; ++i)
            text += (i ? "." : "") + field(i)->text();
        return text.toStdString();
    };
    auto focused = [&field] {
        for (int i = 0; i < 4; ++i) {
            if (QApplication::focusWidget() == field(i))
                return i;
        }
        return -1;
    };
    ASSERT_EQ(shown(), "0.0.0.0"); // first visit in test mode

    // Each address typed as one string over what the control shows, the way the page hands it the focus.
    for (const char* typed : { "10.27.0.5", "192.168.10.1", "1.2.3.4" }) {
        control->SetFocus();
        QTest::keyClicks(kFocus, QString::fromLatin1(typed));
        EXPECT_EQ(shown(), typed);
        EXPECT_EQ(sheet.m_Page2a.GetEnteredAddress(), typed);
    }
    // A blank ends a field as a point does.
    control->SetFocus();
    QTest::keyClicks(kFocus, QStringLiteral("172 16 5 9"));
    EXPECT_EQ(shown(), "172.16.5.9");

    // The arrows and Backspace cross between fields at a field's ends, and change no number.
    ASSERT_EQ(focused(), 3);
    QTest::keyClick(kFocus, Qt::Key_Left); // within "9"
    EXPECT_EQ(focused(), 3);
    QTest::keyClick(kFocus, Qt::Key_Left);
    EXPECT_EQ(focused(), 2);
    EXPECT_EQ(field(2)->cursorPosition(), 1);
    QTest::keyClick(kFocus, Qt::Key_Right);
    EXPECT_EQ(focused(), 3);
    EXPECT_EQ(field(3)->cursorPosition(), 0);
    QTest::keyClick(kFocus, Qt::Key_Backspace);
    EXPECT_EQ(focused(), 2);
    EXPECT_EQ(field(2)->cursorPosition(), 1);
    EXPECT_EQ(shown(), "172.16.5.9");

    // A pasted address with blanks around it fills all four fields, from whichever field has the focus.
    QGuiApplication::clipboard()->setText(QStringLiteral(" 10.0.0.7 "));
    QTest::keyClick(kFocus, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), "10.0.0.7");

    // Screen readers hear the label of the control and which field they are in.
    const QWidget* container = test_services::WidgetOf(control);
    EXPECT_EQ(container->accessibleName().toStdString(), "Scale IP Address");
    EXPECT_EQ(field(1)->accessibleName().toStdString(), "Scale IP Address, field 2 of 4");

    // Letters are no numbers; a number above 255 becomes 255 and the operator is told the range once.
    EXPECT_TRUE(wizard.boxes.empty());
    control->SetFocus();
    QTest::keyClicks(kFocus, QStringLiteral("3a00"));
    EXPECT_EQ(field(0)->text().toStdString(), "255");
    ASSERT_EQ(wizard.boxes.size(), 1u);
    EXPECT_EQ(wizard.boxes[0].text, "300 is not a valid entry. Please specify a value between 0 and 255.");
    EXPECT_EQ(sheet.m_Page2a.GetEnteredAddress(), "255.0.0.7");
}

}  // namespace
