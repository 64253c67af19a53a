// The platform operations the conversion stands on: the command processor, copying a file, the
// current directory and the wait cursor.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sys/File.h"
#include "platform/sys/Process.h"
#include "platform/ui/Cursor.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/qt/WidgetAccess.h"

using namespace converter_files;

namespace {

class ConversionPlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        m_dir = m_temp.path().toStdString();
        ASSERT_NE(_getcwd(m_saved, sizeof m_saved), nullptr);
    }

    void TearDown() override { ASSERT_EQ(_chdir(m_saved), 0); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    QTemporaryDir m_temp;
    std::string m_dir;
    char m_saved[4096];
};

TEST_F(ConversionPlatformTest, CommandLineFindsItsProgramInTheCurrentDirectoryFirst)
{
    // "true" is also a program on the search path; the one in the current directory wins.
    WriteScript(Path("true"), "echo \"$@\" > ran.txt\nexit 7");
    WriteScript(Path("slow.bat"), "sleep 0.3\necho done > done.txt");
    ASSERT_EQ(_chdir(m_dir.c_str()), 0);

    EXPECT_EQ(RunCommandLine("true ZELTO ZELTO.BIN"), 7);
    EXPECT_EQ(ReadFile(Path("ran.txt")), "ZELTO ZELTO.BIN\n");

    EXPECT_EQ(RunCommandLine("slow.bat"), 0);
    EXPECT_TRUE(Exists(Path("done.txt"))) << "returns only when the command has ended";

    EXPECT_EQ(RunCommandLine("false"), 1) << "not here, so taken from the search path";
    EXPECT_EQ(RunCommandLine("no-such-program-here 2>/dev/null"), 127);
    EXPECT_EQ(RunCommandLine("kill -TERM $$"), 128 + 15);
}

TEST_F(ConversionPlatformTest, CurrentDirectory)
{
    EXPECT_EQ(_chdir(m_dir.c_str()), 0);
    char buffer[4096];
    ASSERT_NE(_getcwd(buffer, sizeof buffer), nullptr);
    EXPECT_EQ(std::string(buffer), m_dir);
    EXPECT_EQ(_getcwd(buffer, static_cast<int>(m_dir.size())), nullptr) << "no room for the terminator";
    EXPECT_EQ(_chdir(""), -1);
    EXPECT_EQ(_chdir(Path("missing").c_str()), -1);
    ASSERT_NE(_getcwd(buffer, sizeof buffer), nullptr);
    EXPECT_EQ(std::string(buffer), m_dir) << "a failed change leaves it";
}

TEST_F(ConversionPlatformTest, CopyReplacesTheTarget)
{
    WriteFile(Path("source"), PatternBytes(300000, 1), 0640);
    WriteFile(Path("target"), "old and longer than nothing");
    EXPECT_TRUE(CopyFileA(Path("source").c_str(), Path("target").c_str(), FALSE));
    EXPECT_TRUE(ReadFile(Path("target")) == PatternBytes(300000, 1));

    EXPECT_TRUE(CopyFileA(Path("source").c_str(), Path("new").c_str(), TRUE));
    struct stat status {};
    ASSERT_EQ(::stat(Path("new").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_FALSE(CopyFileA(Path("source").c_str(), Path("new").c_str(), TRUE)) << "fail if it exists";
}

TEST_F(ConversionPlatformTest, FailedCopyLeavesTheTargetAlone)
{
    WriteFile(Path("target"), "keep me");
    EXPECT_FALSE(CopyFileA(Path("missing").c_str(), Path("target").c_str(), FALSE));
    EXPECT_EQ(ReadFile(Path("target")), "keep me");

    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
    EXPECT_FALSE(CopyFileA(Path("folder").c_str(), Path("target").c_str(), FALSE));
    EXPECT_EQ(ReadFile(Path("target")), "keep me");

    // Copying a file onto itself must not empty it.
    EXPECT_FALSE(CopyFileA(Path("target").c_str(), Path("target").c_str(), FALSE));
    ASSERT_EQ(::symlink(Path("target").c_str(), Path("alias").c_str()), 0);
    EXPECT_FALSE(CopyFileA(Path("alias").c_str(), Path("target").c_str(), FALSE));
    EXPECT_EQ(ReadFile(Path("target")), "keep me");

    EXPECT_FALSE(CopyFileA(Path("target").c_str(), Path("missing/target").c_str(), FALSE));
}

TEST_F(ConversionPlatformTest, WaitCursorAndArrow)
{
    const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursor(nullptr, 32515), nullptr) << "a cursor the platform does not have";

    EXPECT_EQ(test_services::CurrentCursorId(), IDC_ARROW);
    EXPECT_EQ(SetCursor(wait), arrow);
    EXPECT_EQ(test_services::CurrentCursorId(), IDC_WAIT);
    EXPECT_EQ(SetCursor(wait), wait) << "setting it twice";
    EXPECT_EQ(SetCursor(arrow), wait);
    EXPECT_EQ(test_services::CurrentCursorId(), IDC_ARROW) << "one arrow undoes any number of waits";
}

}  // namespace
