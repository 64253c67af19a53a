// The conversion programs beside the wizard, run as the wizard runs them: "ConvertBoot.bat ZELTO
// ZELTO.BIN" in their own directory turns ZELTO.MOT into ZELTO.BIN, or leaves no ZELTO.BIN at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "converters/cnvs/ImageCheck.h"
#include "converters/cnvs/SRecordImage.h"
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

// An image of each data record type as srec_cat writes it, with the record types the file holds, and
// those it holds without header and count record (S1 addresses end at 64 KiB: that image is smaller).
struct TypedImage {
    Chunk chunk;
    const char* addressLength;
    const char* types;
    const char* bareTypes;
};
const TypedImage kTypedImages[] = {
    {{0x1000, PatternBytes(60000, 21)}, "-address-length=2", "S0 S1 S5 S9", "S1 S9"},
    {{0x10000, PatternBytes(100001, 22)}, "-address-length=3", "S0 S2 S5 S8", "S2 S8"},
    {{0x10000, PatternBytes(100001, 23)}, "-address-length=4", "S0 S3 S5 S7", "S3 S7"},
};

// The file's lines, without their line ends.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* lineEnd = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    return text;
}

// The record types in the file, each once, in order of their digits: "S0 S2 S5 S8".
std::string RecordTypes(const std::string& text)
{
    std::string types;
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string type = std::string("S") + digit;
        if (text.compare(0, 2, type) == 0 || text.find("\n" + type) != std::string::npos)
            types += (types.empty() ? "" : " ") + type;
    }
    return types;
}

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

TEST_F(ConversionProgramsTest, S1S2AndS3ImagesWithAndWithoutHeaderAndCountAndADosEndOfFile)
{
    for (const TypedImage& typed : kTypedImages) {
        SCOPED_TRACE(typed.types);
        const std::string full = MakeSRecords({typed.chunk}, true, typed.addressLength);
        ASSERT_EQ(RecordTypes(full), typed.types);
        const std::string bare =
            MakeSRecords({typed.chunk}, true, std::string(typed.addressLength) + " -disable=header -disable=data-count");
        ASSERT_EQ(RecordTypes(bare), typed.bareTypes);
        // DOS tools end a file with 0x1A, after the last line end or after blank lines.
        for (const std::string& mot : {full + "\x1A", Joined(Lines(bare), "\r\n") + "\r\n\x1A\x1A"}) {
            EXPECT_EQ(Convert(mot), 0);
            EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == typed.chunk.bytes) << "the bytes srec_cat made the file of";
        }
    }
}

// S-record files as real tools write them, each converted to what srec_cat alone makes of it. SRecord
// left alone gives each record the narrowest address that holds it (S1 below 64 KiB, S2, S3 above 16
// MiB) and its termination record the width of the start address; objcopy writes one type throughout.
TEST_F(ConversionProgramsTest, WhatRealToolsWriteConvertsAsSrecCatAloneConvertsIt)
{
    WriteFile(Path("app.bin"), PatternBytes(150 * 1024, 31));
    WriteFile(Path("tail.bin"), PatternBytes(3000, 32));
    const std::string srec = "srec_cat app.bin -binary ";
    const char* const writers[] = {
        "-o real.mot -motorola",
        "-offset 0x8000 -execution-start-address 0x8000 -o real.mot -motorola",
        "-offset 0x8005 -execution-start-address 0x18000 -o real.mot -motorola",
        "-disable=header -disable=data-count -execution-start-address 0 -o real.mot -motorola",
        "-disable=header -o real.mot -motorola -Output_Block_Size=16",
        "-offset 0xFF8000 -execution-start-address 0x1000000 -o real.mot -motorola",
        "tail.bin -binary -offset 0x1000000 -o real.mot -motorola",
        "-offset 0x10000 -o real.mot -motorola -address-length=3",
        "-execution-start-address 0x100 -o real.mot -motorola -address-length=4",
        "objcopy -I binary -O srec app.bin real.mot",
        "objcopy -I binary -O srec --change-addresses 0x8000 --srec-len 16 app.bin real.mot",
    };
    for (const char* writer : writers) {
        SCOPED_TRACE(writer);
        const std::string made = std::string(writer).rfind("objcopy", 0) == 0 ? writer : srec + writer;
        ASSERT_EQ(RunIn(m_dir, made + " 2>/dev/null"), 0);
        ASSERT_EQ(RunIn(m_dir, "srec_cat '(' real.mot -motorola -fill 0xFF -over real.mot -motorola ')' -offset - "
                               "-minimum-addr real.mot -motorola -o real.bin -binary 2>/dev/null"), 0);
        const std::string mot = ReadFile(Path("real.mot"));
        const std::string expected = ReadFile(Path("real.bin"));
        // objcopy ends its lines with CR LF already, srec_cat with LF.
        std::string windowsLowerCase;
        for (char c : mot) {
            if (c != '\r')
                windowsLowerCase += c == '\n' ? std::string("\r\n") : std::string(1, (c >= 'A' && c <= 'F') ? c - 'A' + 'a' : c);
        }
        for (const std::string& text : {mot, windowsLowerCase}) {
            EXPECT_EQ(Convert(text), 0);
            EXPECT_TRUE(ReadFile(Path("ZELTO.BIN")) == expected);
        }
    }
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

// No checksum covers a record's type, nor where the record stands: every record here is well formed,
// and srec_cat reads most of these files without complaint.
TEST_F(ConversionRefusals, RecordsOutOfTheirPlaceOrOfAnotherType)
{
    const std::vector<std::string> lines = Lines(m_mot);
    ASSERT_EQ(RecordTypes(m_mot), "S0 S2 S5 S8");
    const std::size_t last = lines.size() - 1;  // the termination record, after the count record
    ASSERT_EQ(lines[last].substr(0, 2), "S8");
    const std::string header = lines[0];
    const std::string count = lines[last - 1];
    const std::string termination = lines[last];
    const std::size_t dataRecords = last - 2;  // all but the header, count and termination
    const auto inserted = [&](std::size_t at, const std::string& line) {
        std::vector<std::string> copy = lines;
        copy.insert(copy.begin() + static_cast<std::ptrdiff_t>(at), line);
        return Joined(copy);
    };
    const auto replaced = [&](std::size_t at, const std::string& line) {
        std::vector<std::string> copy = lines;
        copy[at] = line;
        return Joined(copy);
    };
    std::vector<std::string> headerLater = lines;
    std::rotate(headerLater.begin(), headerLater.begin() + 1, headerLater.begin() + 2);
    std::vector<std::string> terminationBeforeCount = lines;
    std::swap(terminationBeforeCount[last - 1], terminationBeforeCount[last]);
    // Record 5 again, at its own address with its own bytes, but as S3.
    const std::string record5 = lines[5];
    std::string bytes5;
    for (std::size_t i = 10; i + 2 < record5.size(); i += 2)
        bytes5 += static_cast<char>(std::stoi(record5.substr(i, 2), nullptr, 16));
    const std::uint32_t address5 = static_cast<std::uint32_t>(std::stoul(record5.substr(4, 6), nullptr, 16));

    const std::pair<const char*, std::string> cases[] = {
        {"header after the first data record", Joined(headerLater)},
        {"second header", inserted(1, header)},
        {"S3 record among S2 records", replaced(5, SRecordLine(3, address5, bytes5))},
        {"S7 termination of S2 data", replaced(last, SRecordLine(7, 0x10000))},
        {"S9 termination of S2 data", replaced(last, SRecordLine(9, 0))},
        {"termination before the count record", Joined(terminationBeforeCount)},
        {"termination amid the data", inserted(100, termination)},
        {"second termination", m_mot + termination + "\n"},
        {"count one short", replaced(last - 1, SRecordLine(5, static_cast<std::uint32_t>(dataRecords - 1)))},
        {"count one over", replaced(last - 1, SRecordLine(5, static_cast<std::uint32_t>(dataRecords + 1)))},
        {"second count record", inserted(last, count)},
    };
    for (const auto& [what, mot] : cases) {
        SCOPED_TRACE(what);
        ExpectRefusedCleanly(Convert(mot));
    }
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

// A changed type digit is outside every checksum: it moves a record's bytes to another address (S1,
// S2, S3 read as one another) or drops them (read as a header, count or termination record). Every
// such change, in every record of an S1, an S2 and an S3 image, must be refused; in an image of mixed
// types, as SRecord writes one by default, every change must be refused or leave the very image (a
// count record read as a termination record says nothing about the data). CNVS.EXE's check reads each
// changed file in this process (a process per file would take minutes); the whole chain gets every
// other digit of one data record amid each image, among them the changes into another data type, which
// srec_cat takes without complaint.
TEST_F(ConversionProgramsTest, EveryChangedRecordTypeDigitIsRefusedOrLeavesTheImage)
{
    struct Image {
        Chunk chunk;
        std::string options;
        std::string types;
    };
    std::vector<Image> images;
    for (const TypedImage& typed : kTypedImages)
        images.push_back({typed.chunk, typed.addressLength, typed.types});
    // SRecord's default output of 100 KB at 0 and at 32 KiB: S1 records, then S2 records.
    for (std::uint32_t offset : {0u, 0x8000u})
        images.push_back({{offset, PatternBytes(100 * 1024, offset + 7)}, "-address-length=2", "S0 S1 S2 S5"});
    int tried = 0;
    int sameImage = 0;
    std::vector<std::string> accepted;
    for (const Image& typed : images) {
        SCOPED_TRACE(typed.types);
        const bool mixed = typed.types.find("S1 S2") != std::string::npos;
        // Long records: the same kinds of record, fewer of them to change.
        std::string mot = MakeSRecords({typed.chunk}, !mixed, typed.options + " -Output_Block_Size=250");
        ASSERT_EQ(RecordTypes(mot), typed.types);
        ASSERT_EQ(mot.back(), '\n');
        const std::string bytes = ImageOf({typed.chunk});
        std::vector<std::size_t> starts;
        for (std::size_t at = 0; at < mot.size(); at = mot.find('\n', at) + 1)
            starts.push_back(at);

        SRecordImage image;
        std::string error;
        ASSERT_TRUE(image.Parse(mot.data(), mot.size(), error)) << error;
        for (std::size_t line = 0; line < starts.size(); ++line) {
            char& digit = mot[starts[line] + 1];
            const char original = digit;
            for (char other = '0'; other <= '9'; ++other) {
                if (other == original)
                    continue;
                digit = other;
                ++tried;
                if (!image.Parse(mot.data(), mot.size(), error))
                    continue;
                if (mixed && CheckImage(image, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), error))
                    ++sameImage;
                else
                    accepted.push_back(typed.types + ", line " + std::to_string(line + 1) + ": S" + original + " read as S" + other);
            }
            digit = original;
        }

        const std::size_t amid = starts[starts.size() / 2];
        for (char other = '0'; other <= '9'; ++other) {
            if (other == mot[amid + 1])
                continue;
            std::string changed = mot;
            changed[amid + 1] = other;
            SCOPED_TRACE(std::string("through the chain: read as S") + other);
            ExpectRefusedCleanly(Convert(changed));
        }
    }
    EXPECT_TRUE(accepted.empty()) << accepted.size() << " of " << tried << " changed files accepted, such as "
                                  << accepted.front();
    EXPECT_LE(sameImage, 2) << "of " << tried << ": the count records read as termination records";
    RecordProperty("changed_files", tried);
    RecordProperty("same_image", sameImage);
}

}  // namespace
