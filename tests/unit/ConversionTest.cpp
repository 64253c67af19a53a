// The sheet's conversion of a chosen S-record image into the work file ZELTO.BIN beside the program,
// with the real conversion programs and with stand-ins that leave an output of a chosen size.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "firmware_files/MotConversion.h"
#include "platform/sys/Process.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/Cursor.h"
#include "resources/ResourceIds.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/WizardHarness.h"
#include "tests/support/qt/WidgetAccess.h"

using namespace converter_files;

namespace {

std::string CurrentDirectory()
{
    char buffer[4096];
    return _getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

class ConversionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = m_wizard.ProgramDir();
        m_images = m_dir + "/images";
        ASSERT_EQ(RunIn(m_dir, "mkdir images"), 0);
        m_cwdBefore = CurrentDirectory();
        // What the operator sees while a message is open.
        m_wizard.onBox = [this](const MessageBoxCall&) { m_cursorAtBox.push_back(test_services::CurrentCursorId()); };
    }

    void TearDown() override
    {
        EXPECT_EQ(CurrentDirectory(), m_cwdBefore) << "the current directory is given back";
        EXPECT_EQ(test_services::CurrentCursorId(), IDC_ARROW) << "the wait cursor is gone";
        for (UINT cursor : m_cursorAtBox)
            EXPECT_EQ(cursor, IDC_ARROW) << "no wait cursor over a message";
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

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

    // A stand-in batch file that notes where and how it ran, then leaves an output of that size.
    void StandInConverter(const std::string& batch, long outputBytes)
    {
        std::string body = "echo \"$(pwd) $0 $*\" > ran.txt\n";
        if (outputBytes >= 0)
            body += "head -c " + std::to_string(outputBytes) + " /dev/zero > \"$2\"";
        WriteScript(Path(batch), body);
        WriteScript(Path("SRECORD.EXE"), "exit 0");
        WriteScript(Path("CNVS.EXE"), "exit 0");
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
    WriteFile(m_images + "/BOOT.MOT", mot);

    EXPECT_TRUE(Convert(m_images + "/BOOT.MOT"));
    EXPECT_TRUE(m_wizard.boxes.empty());
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, Path("ZELTO.BIN"));
    EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == ImageOf(chunks));
    EXPECT_TRUE(ReadFile(Path("ZELTO.MOT")) == mot) << "the input work file stays for the next conversion";
}

TEST_F(ConversionTest, EachKindRunsItsOwnBatchFileInTheProgramDirectory)
{
    WriteFile(m_images + "/x.mot", "S9030000FC\n");
    const struct {
        ImageKind kind;
        const char* batch;
    } kinds[] = {{ImageKind::BOOT, "ConvertBoot.bat"}, {ImageKind::FONT, "ConvertFont.bat"},
                 {ImageKind::APLY, "ConvertAply.bat"}};
    for (const auto& k : kinds) {
        StandInConverter(k.batch, 100001);
        EXPECT_TRUE(Convert(m_images + "/x.mot", k.kind)) << k.batch;
        EXPECT_EQ(ReadFile(Path("ran.txt")), m_dir + " ./" + k.batch + " ZELTO ZELTO.BIN\n");
        ::unlink(Path(k.batch).c_str());
    }
}

TEST_F(ConversionTest, OutputMustBeLongerThanOneHundredThousandBytes)
{
    WriteFile(m_images + "/BOOT.MOT", "S9030000FC\n");
    StandInConverter("ConvertBoot.bat", 100000);
    EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
    ExpectOnlyMessage(IDS_CONVERT_ERROR);
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, Path("ZELTO.BIN")) << "named even when refused";

    m_wizard.boxes.clear();
    StandInConverter("ConvertBoot.bat", 100001);
    EXPECT_TRUE(Convert(m_images + "/BOOT.MOT"));
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
        WriteFile(m_images + "/BOOT.MOT", *wrong);
        EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
        ExpectOnlyMessage(IDS_CONVERT_ERROR);
        EXPECT_FALSE(Exists(Path("ZELTO.BIN")));
    }
}

TEST_F(ConversionTest, StaleOutputIsDeletedBeforeTheConverterRuns)
{
    WriteFile(Path("ZELTO.BIN"), PatternBytes(300000, 7));
    WriteFile(Path("ZELTO.MOT"), "old input");
    WriteFile(m_images + "/BOOT.MOT", "new input");
    StandInConverter("ConvertBoot.bat", -1);  // writes nothing

    EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
    ExpectOnlyMessage(IDS_CONVERT_ERROR);
    EXPECT_FALSE(Exists(Path("ZELTO.BIN"))) << "an old image is never sent";
    EXPECT_EQ(ReadFile(Path("ZELTO.MOT")), "new input");
}

TEST_F(ConversionTest, MissingProgramStopsBeforeTheCommand)
{
    WriteFile(m_images + "/BOOT.MOT", "chosen");
    m_wizard.Sheet().m_strUploadFile = "earlier upload";
    StandInConverter("ConvertBoot.bat", 200000);
    ::unlink(Path("CNVS.EXE").c_str());

    EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
    ExpectOnlyMessage(IDS_CONVERTER_MISSING);
    EXPECT_FALSE(Exists(Path("ran.txt"))) << "the command did not run";
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, "earlier upload");
    EXPECT_EQ(ReadFile(Path("ZELTO.MOT")), "chosen");

    // Another kind's batch file does not stand in for the missing one.
    m_wizard.boxes.clear();
    StandInConverter("ConvertAply.bat", 200000);
    ::unlink(Path("ConvertBoot.bat").c_str());
    EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
    ExpectOnlyMessage(IDS_CONVERTER_MISSING);
    EXPECT_FALSE(Exists(Path("ran.txt")));
}

// A conversion program without its run permission cannot be run: the operator is told to reinstall
// the programs, not that the chosen file is bad.
TEST_F(ConversionTest, ProgramThatCannotBeRunIsMissing)
{
    InstallConverters(m_dir);
    const std::vector<Chunk> chunks = {{0x10000, PatternBytes(110000, 8)}};
    WriteFile(m_images + "/BOOT.MOT", MakeSRecords(chunks));
    m_wizard.Sheet().m_strUploadFile = "earlier upload";
    ASSERT_EQ(::chmod(Path("CNVS.EXE").c_str(), 0644), 0);

    EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
    ExpectOnlyMessage(IDS_CONVERTER_MISSING);
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, "earlier upload") << "the command did not run";

    // The same programs with the permission back convert the image.
    m_wizard.boxes.clear();
    ASSERT_EQ(::chmod(Path("CNVS.EXE").c_str(), 0755), 0);
    EXPECT_TRUE(Convert(m_images + "/BOOT.MOT"));
    EXPECT_TRUE(m_wizard.boxes.empty());
    EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == ImageOf(chunks));
}

TEST_F(ConversionTest, UnreadableChoiceStillRunsTheCommandThenFails)
{
    StandInConverter("ConvertBoot.bat", 200000);
    ASSERT_EQ(RunIn(m_images, "mkdir BOOT.MOT"), 0);  // root reads any file, but a folder is no file

    for (const std::string& chosen : {m_images + "/BOOT.MOT", m_images + "/missing/BOOT.MOT"}) {
        m_wizard.boxes.clear();
        ::unlink(Path("ran.txt").c_str());
        EXPECT_FALSE(Convert(chosen)) << chosen;
        EXPECT_TRUE(Exists(Path("ran.txt"))) << "the command ran";
        EXPECT_FALSE(Exists(Path("ZELTO.MOT")));
        ExpectOnlyMessage(IDS_CONVERT_ERROR);
        EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, Path("ZELTO.BIN"));
    }
}

TEST_F(ConversionTest, ProgramFolderThatCannotBeWrittenIsNamed)
{
    // /proc takes no new files, not even from root: a program folder no one can write to.
    WriteFile(m_images + "/BOOT.MOT", MakeSRecords({{0x10000, PatternBytes(110000, 3)}}));
    CString upload = "earlier upload";
    EXPECT_FALSE(CMotConversion("/proc").Convert(m_images + "/BOOT.MOT", ImageKind::BOOT, upload));
    ASSERT_EQ(m_wizard.boxes.size(), 1u);
    EXPECT_EQ(m_wizard.boxes[0].text.rfind("Cannot convert the MOT file: the program folder /proc cannot be written.",
                                           0),
              0u)
        << m_wizard.boxes[0].text;
    EXPECT_EQ(upload, "earlier upload") << "nothing ran and nothing is to be sent";
}

class UndeletableWorkFile : public ConversionTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UndeletableWorkFile, IsReportedByNameAndNothingRuns)
{
    // A folder in the work file's place cannot be deleted as a file, even by root.
    const std::string stale = Path(GetParam());
    ASSERT_EQ(RunIn(m_dir, std::string("mkdir ") + GetParam() + " && touch " + GetParam() + "/keep"), 0);
    WriteFile(m_images + "/BOOT.MOT", "chosen");
    StandInConverter("ConvertBoot.bat", 200000);
    m_wizard.Sheet().m_strUploadFile = "earlier upload";

    EXPECT_FALSE(Convert(m_images + "/BOOT.MOT"));
    ASSERT_EQ(m_wizard.boxes.size(), 1u);
    EXPECT_EQ(m_wizard.boxes[0].text.rfind("Cannot delete the old work file " + stale + ".", 0), 0u)
        << m_wizard.boxes[0].text;
    EXPECT_EQ(m_wizard.boxes[0].helpId, 0u) << "a text made at run time";
    EXPECT_FALSE(Exists(Path("ran.txt")));
    EXPECT_EQ(m_wizard.Sheet().m_strUploadFile, "earlier upload");
    EXPECT_TRUE(Exists(stale + "/keep"));
}

INSTANTIATE_TEST_SUITE_P(Output, UndeletableWorkFile, ::testing::Values("ZELTO.BIN", "ZELTO.MOT"),
                         [](const auto& test) { return std::string(test.param).substr(6); });

}  // namespace
