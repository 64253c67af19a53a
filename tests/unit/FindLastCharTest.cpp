#include <gtest/gtest.h>

#include "common/FindLastChar.h"
#include "platform/sys/CodePage.h"
#include "tests/support/TestServices.h"

namespace {

struct CodePageScope {
    explicit CodePageScope(UINT codePage) { test_services::SetCodePage(codePage); }
    ~CodePageScope() { test_services::SetCodePage(0); }
};

TEST(FindLastChar, FindsTheLastSingleByteOccurrence)
{
    CodePageScope scope(1252);
    EXPECT_EQ(FindLastChar("C:\\fw\\BOOT.BIN", '\\'), 5);
    EXPECT_EQ(FindLastChar("BOOT.BIN", '\\'), 0);
    EXPECT_EQ(FindLastChar("\\BOOT.BIN", '\\'), 0);  // offset 0 and "none" read alike
    EXPECT_EQ(FindLastChar("/opt/tarvel/TarvelWiz.HLP", '/'), 11);
    EXPECT_EQ(FindLastChar("", '/'), 0);
}

// 0x95 0x5C is one Shift-JIS character and 0xB3 0x5C one Big5 character: their trail byte is the
// backslash's value but never a separator.
TEST(FindLastChar, TrailBytesNeverCount)
{
    {
        CodePageScope scope(932);
        EXPECT_EQ(FindLastChar("C:\\\x95\x5C", '\\'), 2);
        EXPECT_EQ(FindLastChar("C:\\\x95\x5C\\x.bin", '\\'), 5);
        EXPECT_EQ(FindLastChar("\x95\x5C", '\\'), 0);
    }
    {
        CodePageScope scope(950);
        EXPECT_EQ(FindLastChar("D:\\fw\\\xB3\x5C" "BOOT.BIN", '\\'), 5);
    }
    {
        // In a single-byte code page the same bytes are two characters, the second a backslash.
        CodePageScope scope(1252);
        EXPECT_EQ(FindLastChar("C:\\\x95\x5C", '\\'), 4);
    }
}

// A lead byte whose sequence is broken or cut short is one byte of its own, so the separator after
// it counts; a whole character still hides its bytes.
TEST(FindLastChar, BrokenSequencesAreSingleBytes)
{
    {
        CodePageScope scope(65001);
        EXPECT_EQ(FindLastChar("/srv/caf\xE9/TarvelWiz.HLP", '/'), 9);      // Latin-1 e acute
        EXPECT_EQ(FindLastChar("/srv/\xE2\x82/x", '/'), 7);                 // euro sign cut short
        EXPECT_EQ(FindLastChar("/srv/\xED\xA0/x", '/'), 7);                 // a surrogate, never a character
        EXPECT_EQ(FindLastChar("/srv/caf\xC3\xA9/TarvelWiz.HLP", '/'), 10); // e acute in UTF-8
    }
    {
        // In Big5 0xE9 leads a character, but '/' can never follow it as its trail byte.
        CodePageScope scope(950);
        EXPECT_EQ(FindLastChar("/srv/caf\xE9/x", '/'), 9);
        EXPECT_EQ(FindLastChar("/srv/\xB3\x5C/x", '\\'), 0);
    }
}

}  // namespace
