#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

#include "tests/support/FileHolder.h"
#include "tests/support/WizardHarness.h"

namespace {

class UpdateLogTest : public ::testing::Test {
protected:
    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();
};

TEST_F(UpdateLogTest, EachLineIsTimeStampSeparatorTextAndCrLf)
{
    sheet.WriteLog("Start FTP thread");
    sheet.WriteLog("");
    sheet.WriteLog("Error text\n");
    const std::string text = wizard.LogText();
    // The time stamp is the locale's date and time; what follows it is exact.
    const std::regex line("^[^\\r\\n]*\\d[^\\r\\n]* : Start FTP thread\\r\\n"
                          "[^\\r\\n]*\\d[^\\r\\n]* : \\r\\n"
                          "[^\\r\\n]*\\d[^\\r\\n]* : Error text\\n\\r\\n$");
    EXPECT_TRUE(std::regex_match(text, line)) << text;
}

TEST_F(UpdateLogTest, ResetEmptiesAndADeletedLogIsMadeAgain)
{
    sheet.WriteLog("one");
    sheet.ResetLog();
    EXPECT_EQ(wizard.LogText(), "");
    sheet.WriteLog("two");
    std::remove(wizard.LogPath().c_str());
    sheet.WriteLog("three");
    sheet.WriteLog("four");
    EXPECT_EQ(wizard.LogLines(), (std::vector<std::string>{"three", "four"}));
}

TEST_F(UpdateLogTest, EmptyPathOrDisabledLogWritesNothing)
{
    sheet.m_strLogPath.clear();
    sheet.WriteLog("lost");
    sheet.ResetLog();
    sheet.m_strLogPath = wizard.LogPath();
    sheet.m_bLogEnabled = FALSE;
    sheet.WriteLog("lost too");
    EXPECT_EQ(wizard.LogText(), "");
    EXPECT_TRUE(wizard.boxes.empty());
}

TEST_F(UpdateLogTest, ALogHeldByAnotherProcessLosesLinesUntilReleased)
{
    sheet.WriteLog("before");
    FileHolder holder(wizard.LogPath());
    ASSERT_TRUE(holder.Held());
    sheet.WriteLog("while held");
    sheet.ResetLog();  // the reset is refused as well: the holder's lines stay
    holder.Release();
    sheet.WriteLog("after");
    EXPECT_EQ(wizard.LogLines(), (std::vector<std::string>{"before", "after"}));
    EXPECT_TRUE(wizard.boxes.empty());
}

}  // namespace
