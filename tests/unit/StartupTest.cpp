#include <QCoreApplication>
#include <QTimer>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/TarvelWizApp.h"
#include "platform/net/SocketInit.h"
#include "tests/support/WidgetAccess.h"
#include "platform/ui/WinApp.h"
#include "tests/support/WizardHarness.h"

namespace {

long FileSize(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = temp.path().toStdString();
        test_services::SetProgramPath((dir + "/TarvelWiz").c_str());
        test_services::SetMessageBoxHandler([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            return IDOK;
        });
    }
    void TearDown() override
    {
        test_services::SetSocketInitFails(false);
        ResetSeams();
    }
    // Runs InitInstance; the action runs once the wizard is shown.
    BOOL Run(const std::function<void(CZeltoSheet&)>& action)
    {
        // Once the wizard's modal loop runs, its window is shown and the main window.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this, action, &poll] {
            auto* sheet = static_cast<CZeltoSheet*>(theApp.m_pMainWnd);
            if (sheet == nullptr || test_services::SheetWindow(*sheet) == nullptr ||
                !test_services::SheetWindow(*sheet)->isVisible())
                return;
            poll.stop();
            shown = true;
            action(*sheet);
        });
        poll.start(0);
        const BOOL result = theApp.InitInstance();
        theApp.m_pMainWnd = nullptr;
        return result;
    }
    static void Press(CZeltoSheet& sheet, WizardButton button)
    {
        QCoreApplication::sendPostedEvents();
        test_services::WizardButtonOf(sheet, button)->click();
    }

    QTemporaryDir temp;
    std::string dir;
    std::vector<MessageBoxCall> boxes;
    bool shown = false;
};

TEST_F(StartupTest, AnOldLogIsEmptyWhenTheWizardShowsAndStaysEmptyAfterCancel)
{
    const std::string log = dir + "/TarvelLog.txt";
    WriteFile(log, "an earlier run's lines\r\n");
    long sizeWhenShown = -2;
    CString logPath;
    const BOOL result = Run([&](CZeltoSheet& sheet) {
        sizeWhenShown = FileSize(log);
        logPath = sheet.m_strLogPath;
        EXPECT_TRUE(test_services::SheetWindow(sheet)->isVisible());
        EXPECT_EQ(test_services::SheetWindow(sheet)->windowTitle().toStdString(), "Scale Tarvel");
        Press(sheet, WizardButton::Cancel);
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(shown);
    EXPECT_EQ(logPath, log);
    EXPECT_EQ(sizeWhenShown, 0);
    EXPECT_EQ(FileSize(log), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, LogPathNeedsASeparatorPastTheFirstCharacter)
{
    const struct {
        const char* program;
        CString expected;
    } cases[] = {
        {"TarvelWiz", ""},              // no separator at all
        {"/TarvelWiz", ""},             // the only separator stands at position 0
        {"/a/TarvelWiz", "/a/TarvelLog.txt"},
    };
    for (const auto& c : cases) {
        test_services::SetProgramPath(c.program);
        CString logPath = "unset";
        Run([&](CZeltoSheet& sheet) {
            logPath = sheet.m_strLogPath;
            Press(sheet, WizardButton::Cancel);
        });
        EXPECT_EQ(logPath, c.expected) << c.program;
    }
}

TEST_F(StartupTest, SocketsFailingToStartShowOnlyTheirMessage)
{
    const std::string log = dir + "/TarvelLog.txt";
    WriteFile(log, "kept\r\n");
    test_services::SetSocketInitFails(true);
    const BOOL result = Run([](CZeltoSheet& sheet) { Press(sheet, WizardButton::Cancel); });
    EXPECT_FALSE(result);
    EXPECT_FALSE(shown);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Windows sockets initialization failed.");
    EXPECT_EQ(boxes[0].caption, "TarvelWiz");
    EXPECT_EQ(boxes[0].type, MB_OK);
    EXPECT_EQ(FileSize(log), 6);
}

TEST_F(StartupTest, FinishAndCancelEndTheRunAlike)
{
    for (const WizardButton end : {WizardButton::Finish, WizardButton::Cancel}) {
        shown = false;
        const BOOL result = Run([end](CZeltoSheet& sheet) {
            sheet.SetActivePage(&sheet.m_Page7);
            Press(sheet, end);
        });
        EXPECT_TRUE(shown);
        EXPECT_FALSE(result);
        EXPECT_EQ(FileSize(dir + "/TarvelLog.txt"), 0);
    }
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
