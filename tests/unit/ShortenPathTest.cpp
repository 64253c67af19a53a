// The path shown in a selection page's file name field: fitted into 40 bytes around "...", whole
// characters only, whatever the code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "common/PathSeparator.h"
#include "firmware_files/PathShortener.h"
#include "platform/sys/CodePage.h"
#include "tests/support/TestServices.h"

namespace {

constexpr unsigned kLimit = 40;

class ShortenPathTest : public ::testing::Test {
protected:
    void TearDown() override { test_services::SetCodePage(0); }

    std::string Shorten(const std::string& path, char separator, unsigned limit = kLimit)
    {
        std::memset(m_buffer, 'x', sizeof m_buffer);
        return ShortenPath(m_buffer, path.c_str(), limit, separator);
    }

    // True when no character of the current code page is cut at either end of the text.
    static bool WholeCharacters(const std::string& text)
    {
        const bool utf8 = GetACP() == 65001;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<BYTE>(text[i]);
            std::size_t length = 1;
            if (utf8 && lead >= 0x80 && lead < 0xC0)
                return false;  // a continuation byte where a character should start
            if (utf8)
                length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            else if (IsDBCSLeadByte(lead))
                length = 2;
            if (i + length > text.size())
                return false;
            i += length;
        }
        return true;
    }

    char m_buffer[kLimit + 8];
};

std::string WithSeparator(std::string path, char separator)
{
    for (char& c : path) {
        if (c == '\\')
            c = separator;
    }
    return path;
}

// The rows of the display table, written with backslashes, shown with either separator.
class ShortenPathShapes : public ShortenPathTest, public ::testing::WithParamInterface<char> {};

TEST_P(ShortenPathShapes, ShortPathsAreShownWhole)
{
    const char sep = GetParam();
    const std::string shortPath = WithSeparator("C:\\Firmware\\BOOT.BIN", sep);
    EXPECT_EQ(Shorten(shortPath, sep), shortPath);

    const std::string exact = WithSeparator("C:\\Program Files\\Scale Tools\\BOOT.BIN", sep) + std::string(3, 'z');
    ASSERT_EQ(exact.size(), 40u);
    EXPECT_EQ(ShortenPath(m_buffer, exact.c_str(), kLimit, sep), exact.c_str()) << "the path itself, not a copy";
}

TEST_P(ShortenPathShapes, LongPathsKeepTheirBeginningAndFileName)
{
    const char sep = GetParam();
    const std::string program = WithSeparator("C:\\Program Files\\Scale Tools\\Firmware\\Images\\BOOT.BIN", sep);
    ASSERT_EQ(program.size(), 53u);
    EXPECT_EQ(Shorten(program, sep), WithSeparator("C:\\Program Files\\Scale Tools...\\BOOT.BIN", sep));

    const std::string service = WithSeparator("D:\\Service\\Scale firmware 2004-06\\release\\APLY.MOT", sep);
    ASSERT_EQ(service.size(), 50u);
    const std::string shown = Shorten(service, sep);
    EXPECT_EQ(shown, WithSeparator("D:\\Service\\Scale firmware 20...\\APLY.MOT", sep));
    EXPECT_EQ(shown.size(), 40u);
}

TEST_P(ShortenPathShapes, WithoutAUsableSeparatorTheEndIsKept)
{
    const char sep = GetParam();
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRS";
    ASSERT_EQ(letters.size(), 45u);
    EXPECT_EQ(Shorten(letters, sep), "..." + letters.substr(8));

    // A separator at offset 0 counts as none.
    const std::string rooted = std::string(1, sep) + letters.substr(1);
    EXPECT_EQ(Shorten(rooted, sep), "..." + letters.substr(8));

    // A file name too long to fit beside "..." leaves only its own end.
    const std::string name = "BOOT-" + std::string(36, 'n') + ".BIN";
    ASSERT_EQ(name.size(), 45u);
    const std::string longName = WithSeparator("C:\\fw\\", sep) + name;
    EXPECT_EQ(Shorten(longName, sep), "..." + name.substr(8));
}

TEST_P(ShortenPathShapes, OneByteOverTheLimitReplacesFourBytesBeforeTheSeparator)
{
    const char sep = GetParam();
    const std::string path = WithSeparator("C:\\Scale Tools\\Firmware 2004\\BOOT.BIN", sep) + std::string(4, 'z');
    ASSERT_EQ(path.size(), 41u);
    EXPECT_EQ(Shorten(path, sep), WithSeparator("C:\\Scale Tools\\Firmware ...\\BOOT.BINzzzz", sep));
}

INSTANTIATE_TEST_SUITE_P(Separators, ShortenPathShapes, ::testing::Values('\\', '/'),
                         [](const auto& test) { return test.param == '/' ? "Slash" : "Backslash"; });

TEST_F(ShortenPathTest, EmptyPathIsReturnedAndTheBufferUntouched)
{
    std::memset(m_buffer, 'x', sizeof m_buffer);
    const char* empty = "";
    EXPECT_EQ(ShortenPath(m_buffer, empty, kLimit, '/'), empty);
    EXPECT_EQ(std::string(m_buffer, sizeof m_buffer), std::string(sizeof m_buffer, 'x'));
}

// The path is written with '/' and taken with the platform's separator in its place.
TEST_F(ShortenPathTest, TheDefaultSeparatorIsThePlatformsOwn)
{
    const auto native = [](std::string path) {
        std::replace(path.begin(), path.end(), '/', kPathSeparator);
        return path;
    };
    char buffer[kLimit + 2];
    EXPECT_EQ(ShortenPath(buffer, native("/home/service/Scale Tools/Firmware/Images/BOOT.BIN").c_str(), kLimit),
              native("/home/service/Scale Tools/Fi.../BOOT.BIN"));
}

// Two-byte characters whose trail byte is 0x5C, the backslash: Shift-JIS (932) and Big5 (950).
struct DoubleByteCase {
    unsigned codePage;
    const char* character;
};

class ShortenPathDoubleByte : public ShortenPathTest, public ::testing::WithParamInterface<DoubleByteCase> {
protected:
    void SetUp() override { test_services::SetCodePage(GetParam().codePage); }

    static std::string Times(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += GetParam().character;
        return text;
    }
};

TEST_P(ShortenPathDoubleByte, TrailBytesAreNotSeparators)
{
    // The last byte 0x5C of the path is a trail byte: the real separator stands after "firmware".
    const std::string name = Times(15) + ".BIN";
    const std::string path = "C:\\firmware\\" + name;
    ASSERT_EQ(path.size(), 46u);
    const std::string shown = Shorten(path, '\\');
    EXPECT_EQ(shown, "C:...\\" + name);
    EXPECT_TRUE(WholeCharacters(shown));
}

TEST_P(ShortenPathDoubleByte, TheBeginningIsNotCutInsideACharacter)
{
    // The 28-byte share of the beginning ends inside a character: the whole character is taken and
    // the text passes the limit by one byte, the file name still whole.
    const std::string path = "C:\\" + Times(20) + "\\BOOT.BIN";
    ASSERT_EQ(path.size(), 52u);
    const std::string shown = Shorten(path, '\\');
    EXPECT_EQ(shown, "C:\\" + Times(13) + "...\\BOOT.BIN");
    EXPECT_EQ(shown.size(), kLimit + 1);
    EXPECT_EQ(m_buffer[kLimit + 2], 'x') << "nothing written past limit + 2 bytes";
    EXPECT_TRUE(WholeCharacters(shown));
}

TEST_P(ShortenPathDoubleByte, TheEndIsNotCutInsideACharacter)
{
    // No separator at all (every 0x5C is a trail byte), and the skip ends inside a character.
    const std::string path = "x" + Times(22);
    ASSERT_EQ(path.size(), 45u);
    const std::string shown = Shorten(path, '\\');
    EXPECT_EQ(shown, "..." + Times(18));
    EXPECT_LE(shown.size(), kLimit + 1);
    EXPECT_TRUE(WholeCharacters(shown));
}

INSTANTIATE_TEST_SUITE_P(CodePages, ShortenPathDoubleByte,
                         ::testing::Values(DoubleByteCase{932, "\x95\x5C"}, DoubleByteCase{950, "\xA5\x5C"}),
                         [](const auto& test) { return "CodePage" + std::to_string(test.param.codePage); });

TEST_F(ShortenPathTest, ThreeByteCharactersKeepWithinTheBuffer)
{
    test_services::SetCodePage(65001);
    std::string euros;
    for (int i = 0; i < 12; ++i)
        euros += "\xE2\x82\xAC";
    // The beginning's share ends two bytes into a character, which is then left out.
    const std::string path = "/srv1/" + euros + "/BOOT.BIN";
    const std::string shown = Shorten(path, '/');
    EXPECT_EQ(shown, "/srv1/" + euros.substr(0, 21) + ".../BOOT.BIN");
    EXPECT_TRUE(WholeCharacters(shown));
}

}  // namespace
