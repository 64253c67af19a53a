// The sheet's conversion of a chosen S-record image into the work file ZELTO.BIN beside the program,
// with the real conversion programs and with stand-ins that leave an output of a chosen size.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "common/PathSeparator.h"
#include "firmware_files/MotConversion.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/Cursor.h"
#include "resources/ResourceIds.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/WizardHarness.h"

using namespace converter_files;

namespace {

namespace fs = std::filesystem;

// Read without the platform's _getcwd, whose declaration the C run-time's own meets in a Windows test
// (GoogleTest includes <direct.h>).
std::string CurrentDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : current.string();
}

class ConversionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = m_wizard.ProgramDir();
        m_images = m_dir + kPathSeparatorString + "images";
        ASSERT_TRUE(fs::create_directory(m_images));
        m_cwdBefore = CurrentDirectory();
        // What the operator sees while a message is open.
        m_wizard.onBox = [this](const MessageBoxCall&) { m_cursorAtBox.push_back(m_wizard.CursorId()); };
    }

    void TearDown() override
    {
        EXPECT_EQ(CurrentDirectory(), m_cwdBefore) << "the current directory is given back";
        EXPECT_EQ(m_wizard.CursorId(), IDC_ARROW) << "the wait cursor is gone";
        for (UINT cursor : m_cursorAtBox)
            EXPECT_EQ(cursor, IDC_ARROW) << "no wait cursor over a message";
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }

    std::string Path(const std::string& name) const { return m_dir + kPathSeparatorString + name; }
    std::string Image(const std::string& name) const { return m_images + kPathSeparatorString + name; }

    BOOL Convert(const std::string& chosen, ImageKind kind = ImageKind::BOOT)
    {
        return m_wizard.Sheet().ConvertMotToBin(chosen, kind);
    }

    // The one message shown, by its string ID.
    void ExpectOnlyMessage(UINT nID)
    {
        ASSERT_EQ(m_wizard.boxes.size(), 1u);
        EXPECT_EQ(m_wizard.boxes[0].text, LoadString(nID));
        EXPECT_EQ(m_wizard.boxes[0].helpId, static_cast<UINT>(-1));
    }

    // A stand-in batch file that notes where and how it ran, then leaves an output of that size. The
    // two programs it stands for are there but never run.
    void StandInConverter(const std::string& batch, long outputBytes)
    {
#ifdef _WIN32
        // A batch file for cmd.exe; the output is a copy of a file of that size beside the images.
        std::string body = "@echo off\r\n>ran.txt echo %CD% %0 %*\r\n";
        if (outputBytes >= 0) {
            WriteFile(Image("output.stand-in"), std::string(static_cast<std::size_t>(outputBytes), '\0'));
            body += "copy /b /y \"" + Image("output.stand-in") + "\" \"%~2\" >nul\r\n";
        }
        WriteFile(Path(batch), body);
        WriteFile(Path("SRECORD.EXE"), "stand-in");
        WriteFile(Path("CNVS.EXE"), "stand-in");
#else
        std::string body = "echo \"$(pwd) $0 $*\" > ran.txt\n";
        if (outputBytes >= 0)
            body += "head -c " + std::to_string(outputBytes) + " /dev/zero > \"$2\"";
        WriteScript(Path(batch), body);
        WriteScript(Path("SRECORD.EXE"), "exit 0");
        WriteScript(Path("CNVS.EXE"), "exit 0");
#endif
    }

    WizardHarness m_wizard;
    std::string m_dir;
    std::string m_images;
    std::string m_cwdBefore;
    std::vector<UINT> m_cursorAtBox;
};

TEST_F(ConversionTest, GappedImageBecomesItsBinary)
{
    InstallConverters(m_dir);
    const std::vector<Chunk> chunks = {{0x20000, PatternBytes(150000, 4)}, {0x60000, PatternBytes(30000, 5)}};
    const std::string mot = MakeSRecords(chunks);
    ASSERT_FALSE(mot.empty());
    WriteFile(Image("BOOT.MOT"), mot);

    EXPECT_TRUE(Convert(Image("BOOT.MOT")));
    EXPECT_TRUE(m_wizard.boxes.empty());
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, Path("ZELTO.BIN"));
    EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == ImageOf(chunks));
    EXPECT_TRUE(ReadFile(Path("ZELTO.MOT")) == mot) << "the input work file stays for the next conversion";
}

TEST_F(ConversionTest, EachKindRunsItsOwnBatchFileInTheProgramDirectory)
{
    WriteFile(Image("x.mot"), "S9030000FC\n");
    const struct {
        ImageKind kind;
        const char* batch;
    } kinds[] = {{ImageKind::BOOT, "ConvertBoot.bat"}, {ImageKind::FONT, "ConvertFont.bat"},
                 {ImageKind::APLY, "ConvertAply.bat"}};
    for (const auto& k : kinds) {
        StandInConverter(k.batch, 100001);
        EXPECT_TRUE(Convert(Image("x.mot"), k.kind)) << k.batch;
#ifdef _WIN32
        // cmd.exe names the batch file as it was called, without a folder, and ends lines in CR LF.
        EXPECT_EQ(ReadFile(Path("ran.txt")), m_dir + " " + k.batch + " ZELTO ZELTO.BIN\r\n");
#else
        EXPECT_EQ(ReadFile(Path("ran.txt")), m_dir + " ./" + k.batch + " ZELTO ZELTO.BIN\n");
#endif
        fs::remove(Path(k.batch));
    }
}

TEST_F(ConversionTest, OutputMustBeLongerThanOneHundredThousandBytes)
{
    WriteFile(Image("BOOT.MOT"), "S9030000FC\n");
    StandInConverter("ConvertBoot.bat", 100000);
    EXPECT_FALSE(Convert(Image("BOOT.MOT")));
    ExpectOnlyMessage(IDS_CONVERT_ERROR);
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, Path("ZELTO.BIN")) << "named even when refused";

    m_wizard.boxes.clear();
    StandInConverter("ConvertBoot.bat", 100001);
    EXPECT_TRUE(Convert(Image("BOOT.MOT")));
    EXPECT_TRUE(m_wizard.boxes.empty());
}

TEST_F(ConversionTest, InvalidImagesLeaveNoOutput)
{
    InstallConverters(m_dir);
    std::string mot = MakeSRecords({{0x10000, PatternBytes(160000, 6)}});
    ASSERT_FALSE(mot.empty());
    std::string badChecksum = mot;
    const std::size_t lineEnd = badChecksum.find('\n', badChecksum.size() / 2) - 1;
    badChecksum[lineEnd] = badChecksum[lineEnd] == '0' ? '1' : '0';
    std::string malformed = mot;
    malformed[malformed.find("\nS2", 1000) + 9] = 'Z';
    const std::string truncated = mot.substr(0, mot.size() / 2);

    const std::string* const wrongImages[] = {&badChecksum, &malformed, &truncated};
    for (const std::string* wrong : wrongImages) {
        m_wizard.boxes.clear();
        WriteFile(Image("BOOT.MOT"), *wrong);
        EXPECT_FALSE(Convert(Image("BOOT.MOT")));
        ExpectOnlyMessage(IDS_CONVERT_ERROR);
        EXPECT_FALSE(Exists(Path("ZELTO.BIN")));
    }
}

TEST_F(ConversionTest, StaleOutputIsDeletedBeforeTheConverterRuns)
{
    WriteFile(Path("ZELTO.BIN"), PatternBytes(300000, 7));
    WriteFile(Path("ZELTO.MOT"), "old input");
    WriteFile(Image("BOOT.MOT"), "new input");
    StandInConverter("ConvertBoot.bat", -1);  // writes nothing

    EXPECT_FALSE(Convert(Image("BOOT.MOT")));
    ExpectOnlyMessage(IDS_CONVERT_ERROR);
    EXPECT_FALSE(Exists(Path("ZELTO.BIN"))) << "an old image is never sent";
    EXPECT_EQ(ReadFile(Path("ZELTO.MOT")), "new input");
}

TEST_F(ConversionTest, MissingProgramStopsBeforeTheCommand)
{
    WriteFile(Image("BOOT.MOT"), "chosen");
    m_wizard.Sheet().m_strUploadFile = "earlier upload";
    StandInConverter("ConvertBoot.bat", 200000);
    fs::remove(Path("CNVS.EXE"));

    EXPECT_FALSE(Convert(Image("BOOT.MOT")));
    ExpectOnlyMessage(IDS_CONVERTER_MISSING);
    EXPECT_FALSE(Exists(Path("ran.txt"))) << "the command did not run";
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, "earlier upload");
    EXPECT_EQ(ReadFile(Path("ZELTO.MOT")), "chosen");

    // Another kind's batch file does not stand in for the missing one.
    m_wizard.boxes.clear();
    StandInConverter("ConvertAply.bat", 200000);
    fs::remove(Path("ConvertBoot.bat"));
    EXPECT_FALSE(Convert(Image("BOOT.MOT")));
    ExpectOnlyMessage(IDS_CONVERTER_MISSING);
    EXPECT_FALSE(Exists(Path("ran.txt")));
}

// A conversion program without its run permission cannot be run: the operator is told to reinstall
// the programs, not that the chosen file is bad.
TEST_F(ConversionTest, ProgramThatCannotBeRunIsMissing)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows runs a file by its name's extension: there is no run permission to take away";
#else
    InstallConverters(m_dir);
    const std::vector<Chunk> chunks = {{0x10000, PatternBytes(110000, 8)}};
    WriteFile(Image("BOOT.MOT"), MakeSRecords(chunks));
    m_wizard.Sheet().m_strUploadFile = "earlier upload";
    ASSERT_EQ(::chmod(Path("CNVS.EXE").c_str(), 0644), 0);

    EXPECT_FALSE(Convert(Image("BOOT.MOT")));
    ExpectOnlyMessage(IDS_CONVERTER_MISSING);
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, "earlier upload") << "the command did not run";

    // The same programs with the permission back convert the image.
    m_wizard.boxes.clear();
    ASSERT_EQ(::chmod(Path("CNVS.EXE").c_str(), 0755), 0);
    EXPECT_TRUE(Convert(Image("BOOT.MOT")));
    EXPECT_TRUE(m_wizard.boxes.empty());
    EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == ImageOf(chunks));
#endif
}

TEST_F(ConversionTest, UnreadableChoiceStillRunsTheCommandThenFails)
{
    StandInConverter("ConvertBoot.bat", 200000);
    ASSERT_TRUE(fs::create_directory(Image("BOOT.MOT")));  // root reads any file, but a folder is no file

    for (const std::string& chosen : {Image("BOOT.MOT"), Image("missing") + kPathSeparatorString + "BOOT.MOT"}) {
        m_wizard.boxes.clear();
        fs::remove(Path("ran.txt"));
        EXPECT_FALSE(Convert(chosen)) << chosen;
        EXPECT_TRUE(Exists(Path("ran.txt"))) << "the command ran";
        EXPECT_FALSE(Exists(Path("ZELTO.MOT")));
        ExpectOnlyMessage(IDS_CONVERT_ERROR);
        EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, Path("ZELTO.BIN"));
    }
}

TEST_F(ConversionTest, ProgramFolderThatCannotBeWrittenIsNamed)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a folder that refuses new files even to an administrator, as Linux's /proc does; "
                    "Wine keeps no access rights of its own to refuse them with";
#else
    // /proc takes no new files, not even from root: a program folder no one can write to.
    WriteFile(Image("BOOT.MOT"), MakeSRecords({{0x10000, PatternBytes(110000, 3)}}));
    CString upload = "earlier upload";
    EXPECT_FALSE(CMotConversion("/proc").Convert(Image("BOOT.MOT"), ImageKind::BOOT, upload));
    ASSERT_EQ(m_wizard.boxes.size(), 1u);
    EXPECT_EQ(m_wizard.boxes[0].text.rfind("Cannot convert the MOT file: the program folder /proc cannot be written.",
                                           0),
              0u)
        << m_wizard.boxes[0].text;
    EXPECT_EQ(upload, "earlier upload") << "nothing ran and nothing is to be sent";
#endif
}

class UndeletableWorkFile : public ConversionTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UndeletableWorkFile, IsReportedByNameAndNothingRuns)
{
    // A folder in the work file's place cannot be deleted as a file, even by root.
    const std::string stale = Path(GetParam());
    ASSERT_TRUE(fs::create_directory(stale));
    WriteFile(stale + kPathSeparatorString + "keep", "");
    WriteFile(Image("BOOT.MOT"), "chosen");
    StandInConverter("ConvertBoot.bat", 200000);
    m_wizard.Sheet().m_strUploadFile = "earlier upload";

    EXPECT_FALSE(Convert(Image("BOOT.MOT")));
    ASSERT_EQ(m_wizard.boxes.size(), 1u);
    EXPECT_EQ(m_wizard.boxes[0].text.rfind("Cannot delete the old work file " + stale + ".", 0), 0u)
        << m_wizard.boxes[0].text;
    EXPECT_EQ(m_wizard.boxes[0].helpId, 0u) << "a text made at run time";
    EXPECT_FALSE(Exists(Path("ran.txt")));
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, "earlier upload");
    EXPECT_TRUE(Exists(stale + kPathSeparatorString + "keep"));
}

INSTANTIATE_TEST_SUITE_P(Output, UndeletableWorkFile, ::testing::Values("ZELTO.BIN", "ZELTO.MOT"),
                         [](const auto& test) { return std::string(test.param).substr(6); });

}  // namespace
