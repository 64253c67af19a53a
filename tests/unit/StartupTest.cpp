#include <QCoreApplication>
#include <QTimer>
#include <QTemporaryDir>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/TarvelWizApp.h"
#include "platform/net/SocketInit.h"
#include "platform/sys/CodePage.h"
#include "tests/support/qt/WidgetAccess.h"
#include "platform/ui/WinApp.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/WizardHarness.h"

namespace {

namespace cf = converter_files;

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
        // Start-up names the test program after the wizard; other tests' temporary folders are
        // named after the application.
        QCoreApplication::setApplicationName(nameBefore);
        QCoreApplication::setApplicationVersion(versionBefore);
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

    const QString nameBefore = QCoreApplication::applicationName();
    const QString versionBefore = QCoreApplication::applicationVersion();
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

// A separator at position 0 is the root folder's: a program there logs there, as its images are
// looked for there. Only a program path without any separator has no folder, and no log.
TEST_F(StartupTest, ProgramInTheRootFolderLogsThere)
{
    const std::string rootLog = "/TarvelLog.txt";
    if (FileSize(rootLog) >= 0)
        GTEST_SKIP() << rootLog << " is there already and is not this test's to empty";
    const struct {
        const char* program;
        CString log, boot;
    } cases[] = {
        {"TarvelWiz", "", "/BOOT.BIN"},
        {"/TarvelWiz", "/TarvelLog.txt", "/BOOT.BIN"},
        {"/a/TarvelWiz", "/a/TarvelLog.txt", "/a/BOOT.BIN"},
    };
    const bool rootWritable = ::access("/", W_OK) == 0;
    for (const auto& c : cases) {
        test_services::SetProgramPath(c.program);
        CString logPath = "unset";
        CString bootFile;
        long rootLogSize = -2;
        Run([&](CZeltoSheet& sheet) {
            logPath = sheet.m_strLogPath;
            bootFile = sheet.m_strBootFile;
            rootLogSize = FileSize(rootLog);
            Press(sheet, WizardButton::Cancel);
        });
        EXPECT_EQ(logPath, c.log) << c.program;
        EXPECT_EQ(bootFile, c.boot) << c.program;
        if (c.log == rootLog && rootWritable) {
            EXPECT_EQ(rootLogSize, 0) << "the log is made in the root folder";
        }
        ::unlink(rootLog.c_str());
    }
}

// The version data is linked into the shipped program, and start-up gives it to the platform.
TEST_F(StartupTest, ProgramCarriesItsVersionData)
{
    const std::string program = cf::ReadFile(std::string(TARVEL_BINARY_DIR) + "/TarvelWiz");
    ASSERT_FALSE(program.empty());
    for (const char* text : {"1.0.0.1", "TarvelWiz Application", "TarvelWiz.EXE"})
        EXPECT_NE(program.find(std::string(text) + '\0'), std::string::npos) << text;

    QString name, version;
    Run([&](CZeltoSheet& sheet) {
        name = QCoreApplication::applicationName();
        version = QCoreApplication::applicationVersion();
        Press(sheet, WizardButton::Cancel);
    });
    EXPECT_EQ(name.toStdString(), "TarvelWiz Application");
    EXPECT_EQ(version.toStdString(), "1.0.0.1");
}

// A folder whose name is not valid in the locale's multibyte encoding (a Latin-1 byte under UTF-8):
// the program there finds its images, converts and logs in that folder, never in its parent.
TEST_F(StartupTest, ProgramInAFolderNamedInAnotherEncodingWorksInThatFolder)
{
    const char* localeBefore = std::setlocale(LC_CTYPE, nullptr);
    const std::string savedLocale = localeBefore != nullptr ? localeBefore : "C";
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr)
        GTEST_SKIP() << "no UTF-8 locale";
    ASSERT_EQ(GetACP(), 65001u);

    const std::string folder = dir + "/caf\xE9";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    // The temporary folder cannot remove a name that is not UTF-8: the test removes it itself.
    const struct RemoveAtEnd {
        std::string path;
        ~RemoveAtEnd() { std::filesystem::remove_all(path); }
    } removeAtEnd{folder};
    cf::InstallConverters(folder);
    cf::WriteFile(folder + "/BOOT.BIN", cf::PatternBytes(200000, 1));
    const std::vector<cf::Chunk> chunks = {{0x10000, cf::PatternBytes(120000, 2)}};
    cf::WriteFile(folder + "/APLY.MOT", cf::MakeSRecords(chunks));
    test_services::SetProgramPath((folder + "/TarvelWiz").c_str());

    CString bootFile, logPath, uploadFile;
    BOOL converted = FALSE;
    Run([&](CZeltoSheet& sheet) {
        bootFile = sheet.m_strBootFile;
        logPath = sheet.m_strLogPath;
        converted = sheet.ConvertMotToBin(folder + "/APLY.MOT", ImageKind::APLY);
        uploadFile = sheet.m_strUploadFile;
        sheet.WriteLog("Start FTP thread");
        Press(sheet, WizardButton::Cancel);
    });
    std::setlocale(LC_CTYPE, savedLocale.c_str());

    EXPECT_EQ(bootFile, folder + "/BOOT.BIN");
    EXPECT_TRUE(cf::Exists(bootFile));
    EXPECT_EQ(logPath, folder + "/TarvelLog.txt");
    EXPECT_NE(cf::ReadFile(logPath).find(" : Start FTP thread\r\n"), std::string::npos);
    EXPECT_TRUE(converted);
    EXPECT_EQ(uploadFile, folder + "/ZELTO.BIN");
    EXPECT_TRUE(cf::ReadFile(uploadFile) == cf::ImageOf(chunks));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(cf::ListDirectory(dir), std::vector<std::string>{"caf\xE9"}) << "nothing lands in the parent folder";
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
