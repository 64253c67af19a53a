// The conversion programs beside the wizard, run as the wizard runs them: "ConvertBoot.bat ZELTO
// ZELTO.BIN" in their own directory turns ZELTO.MOT into ZELTO.BIN, or leaves no ZELTO.BIN at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/ConverterFiles.h"

using namespace converter_files;

namespace {

class ConversionProgramsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        m_dir = m_temp.path().toStdString();
        InstallConverters(m_dir);
        m_installed = ListDirectory(m_dir);
    }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    int Convert(const std::string& motText, const std::string& batch = "ConvertBoot.bat")
    {
        WriteFile(Path("ZELTO.MOT"), motText);
        return RunIn(m_dir, "./" + batch + " ZELTO ZELTO.BIN 2>/dev/null");
    }

    // After a refusal: no output, and nothing but the programs and the input left in the folder.
    void ExpectRefusedCleanly(int status)
    {
        EXPECT_NE(status, 0);
        EXPECT_FALSE(Exists(Path("ZELTO.BIN")));
        std::vector<std::string> expected = m_installed;
        expected.push_back("ZELTO.MOT");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(ListDirectory(m_dir), expected) << "no temporary or partial file stays";
    }

    QTemporaryDir m_temp;
    std::string m_dir;
    std::vector<std::string> m_installed;
};

const std::vector<Chunk> kGappedImage = {
    {0x10000, PatternBytes(150000, 1)},
    {0x40000, PatternBytes(20000, 2)},  // after a gap of 46 608 bytes
};

class ConversionBatchFiles : public ConversionProgramsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ConversionBatchFiles, ImageStartsAtTheLowestAddressWithGapsFilled)
{
    const std::string mot = MakeSRecords(kGappedImage);
    ASSERT_FALSE(mot.empty());
    EXPECT_EQ(Convert(mot, GetParam()), 0);
    const std::string image = ReadFile(Path("ZELTO.BIN"));
    const std::string expected = ImageOf(kGappedImage);
    ASSERT_EQ(image.size(), 0x40000 - 0x10000 + 20000u);
    EXPECT_TRUE(image == expected);
    EXPECT_EQ(image.substr(150000, 0x30000 - 150000), std::string(0x30000 - 150000, '\xFF'));
    EXPECT_FALSE(Exists(Path("ZELTO.RAW"))) << "the unchecked image is cleaned up";
}

INSTANTIATE_TEST_SUITE_P(EveryImageKind, ConversionBatchFiles,
                         ::testing::Values("ConvertBoot.bat", "ConvertFont.bat", "ConvertAply.bat"),
                         [](const auto& test) { return std::string(test.param).substr(7, 4); });

TEST_F(ConversionProgramsTest, ThirtyTwoBitAddressesLowerCaseAndWindowsLineEnds)
{
    const std::vector<Chunk> chunks = {{0x1F000000, PatternBytes(120000, 3)}};
    std::string mot = MakeSRecords(chunks);
    ASSERT_NE(mot.find("\nS3"), std::string::npos);
    std::string windows;
    for (char c : mot) {
        if (c == '\n')
            windows += '\r';
        windows += (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    EXPECT_EQ(Convert(windows), 0);
    EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == ImageOf(chunks));
}

TEST_F(ConversionProgramsTest, CountRecordClosesAnImageWithoutStartAddress)
{
    // srec_cat ends such a file with its count record and no termination record.
    const std::string mot = MakeSRecords(kGappedImage, false);
    ASSERT_EQ(mot.find("\nS9"), std::string::npos);
    ASSERT_EQ(mot.find("\nS8"), std::string::npos);
    EXPECT_EQ(Convert(mot), 0);
    EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == ImageOf(kGappedImage));
}

// Each refusal starts from a good image and a stale output of an earlier run, which must go too.
class ConversionRefusals : public ConversionProgramsTest {
protected:
    void SetUp() override
    {
        ConversionProgramsTest::SetUp();
        m_mot = MakeSRecords(kGappedImage);
        ASSERT_FALSE(m_mot.empty());
        m_installed = ListDirectory(m_dir);
        WriteFile(Path("ZELTO.BIN"), PatternBytes(200000, 9));
    }

    // The offset of the n-th line (0-based).
    std::size_t Line(int n) const
    {
        std::size_t at = 0;
        for (int i = 0; i < n; ++i)
            at = m_mot.find('\n', at) + 1;
        return at;
    }

    std::string m_mot;
};

TEST_F(ConversionRefusals, BadChecksum)
{
    const std::size_t end = m_mot.find('\n', Line(100)) - 1;
    m_mot[end] = m_mot[end] == '0' ? '1' : '0';
    ExpectRefusedCleanly(Convert(m_mot));
}

TEST_F(ConversionRefusals, MalformedRecord)
{
    m_mot[Line(50) + 20] = 'G';
    ExpectRefusedCleanly(Convert(m_mot));
}

TEST_F(ConversionRefusals, LineThatIsNoRecord)
{
    m_mot.insert(Line(30), "garbage\n");
    ExpectRefusedCleanly(Convert(m_mot));
}

TEST_F(ConversionRefusals, FileCutInsideARecord)
{
    ExpectRefusedCleanly(Convert(m_mot.substr(0, Line(2000) + 17)));
}

TEST_F(ConversionRefusals, FileCutAtTheEndOfALine)
{
    // Every record left is sound; only the missing count and termination records show the loss.
    ExpectRefusedCleanly(Convert(m_mot.substr(0, Line(2000))));
}

TEST_F(ConversionRefusals, RecordsAfterTheTermination)
{
    const std::string dataLine = m_mot.substr(Line(5), Line(6) - Line(5));
    ExpectRefusedCleanly(Convert(m_mot + dataLine));
}

TEST_F(ConversionRefusals, EmptyFileAndFileWithoutData)
{
    ExpectRefusedCleanly(Convert(""));
    ExpectRefusedCleanly(Convert("S00600004844521B\nS9030000FC\n"));
}

TEST_F(ConversionRefusals, MissingInput)
{
    const int status = RunIn(m_dir, "./ConvertBoot.bat ZELTO ZELTO.BIN 2>/dev/null");
    EXPECT_NE(status, 0);
    EXPECT_FALSE(Exists(Path("ZELTO.BIN")));
}

// CNVS.EXE on its own: it publishes nothing that does not match the S-records byte for byte.
class ImageCheckProgram : public ConversionProgramsTest {
protected:
    void SetUp() override
    {
        ConversionProgramsTest::SetUp();
        WriteFile(Path("image.mot"), MakeSRecords(kGappedImage));
        m_image = ImageOf(kGappedImage);
    }

    int Check(const std::string& image)
    {
        WriteFile(Path("image.raw"), image);
        return RunIn(m_dir, "./CNVS.EXE image.mot image.raw out.bin 2>/dev/null");
    }

    std::string m_image;
};

TEST_F(ImageCheckProgram, PublishesAMatchingImage)
{
    EXPECT_EQ(Check(m_image), 0);
    EXPECT_TRUE(ReadFile(Path("out.bin")) == m_image);
    EXPECT_EQ(ListDirectory(m_dir).size(), m_installed.size() + 3) << "image.mot, image.raw, out.bin only";
}

TEST_F(ImageCheckProgram, RefusesAnyDifference)
{
    std::string changedData = m_image;
    changedData[123456] ^= 0x01;
    std::string changedGap = m_image;
    changedGap[160000] = 0x00;
    const std::string tooShort = m_image.substr(0, m_image.size() - 1);
    const std::string tooLong = m_image + '\xFF';
    const std::string* const wrongImages[] = {&changedData, &changedGap, &tooShort, &tooLong};
    for (const std::string* wrong : wrongImages) {
        WriteFile(Path("out.bin"), "stale");
        EXPECT_EQ(Check(*wrong), 1);
        EXPECT_FALSE(Exists(Path("out.bin")));
    }
}

TEST_F(ImageCheckProgram, RecordsOutOfAddressOrderAndAWrongRecordCount)
{
    std::string mot = ReadFile(Path("image.mot"));
    // Move the first data record to the end of the data.
    const std::size_t first = mot.find('\n') + 1;
    const std::size_t second = mot.find('\n', first) + 1;
    const std::string record = mot.substr(first, second - first);
    mot.erase(first, second - first);
    const std::size_t count = mot.find("\nS5") != std::string::npos ? mot.find("\nS5") + 1 : mot.find("\nS6") + 1;
    mot.insert(count, record);
    WriteFile(Path("image.mot"), mot);
    EXPECT_EQ(Check(m_image), 0);
    EXPECT_TRUE(ReadFile(Path("out.bin")) == m_image);

    // A record given twice: the same image, but one data record more than the count record says.
    mot.insert(count, record);
    WriteFile(Path("image.mot"), mot);
    EXPECT_EQ(Check(m_image), 1);
}

}  // namespace
