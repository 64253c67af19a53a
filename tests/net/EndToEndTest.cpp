// Every operation walked from the intro page to the completion page, as a technician clicks through
// it, against the simulated scale at its real address: with binary images and with S-record images
// converted by the real conversion programs. Afterwards the scale holds exactly the operation's files,
// each identical to its image, and the log exactly the run's lines.
#include <algorithm>
#include <filesystem>
#include <map>
#include <gtest/gtest.h>

#include "common/PathSeparator.h"
#include "platform/ui/FileDialog.h"
#include "resources/ControlIds.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/ScaleSimulator.h"
#include "tests/support/WizardHarness.h"

namespace {

using tarvel::test::ReadWholeFile;
using tarvel::test::ScaleSimulator;
using Lines = std::vector<std::string>;

struct Walk {
    int mode;
    bool sRecord;
};

std::string PrintWalk(const ::testing::TestParamInfo<Walk>& info)
{
    return "Mode" + std::to_string(info.param.mode) + (info.param.sRecord ? "SRecord" : "Binary");
}

class EndToEndTest : public ::testing::TestWithParam<Walk> {
protected:
    void SetUp() override
    {
        TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE();
        const std::string dir = wizard.ProgramDir();
        // The program directory holds the conversion programs, as an installation does.
        ASSERT_NO_THROW(converter_files::InstallConverters(dir));
        // The images lie in a folder of their own; each kind with different bytes.
        images = dir + kPathSeparatorString + "firmware";
        ASSERT_TRUE(std::filesystem::create_directory(images));
        unsigned seed = 1;
        for (const char* kind : {"BOOT", "FONT", "APLY"}) {
            std::string data(180000 + seed * 1000, '\0');
            for (std::size_t i = 0; i < data.size(); ++i)
                data[i] = static_cast<char>((i * (seed * 2 + 1) + (i >> 9) * 31) & 0xFF);
            bytes[kind] = data;
            converter_files::WriteFile(Image(kind, ".BIN"), data);
            // The S-record form of the same image, at an address of its own with its start address.
            const std::string mot = converter_files::MakeSRecords({{0x20000, data}});
            ASSERT_FALSE(mot.empty());
            converter_files::WriteFile(Image(kind, ".mot"), mot);
            ++seed;
        }
    }

    std::string Image(const char* kind, const char* extension) const
    {
        return images + kPathSeparatorString + kind + extension;
    }

    // Whether the sheet shows this page now.
    bool Shows(const CWnd* page)
    {
        const int active = wizard.Active();
        return active >= 0 && wizard.Page(active) == page;
    }

    void ChooseImage(CWnd* page, const char* kind, bool sRecord)
    {
        const std::string path = Image(kind, sRecord ? ".mot" : ".BIN");
        test_services::SetNextFileDialogResult(path, sRecord ? 2 : 1);
        wizard.Click(page, IDC_SELECT);
    }
    // Next on a selection page, then the copy page's upload to its end.
    void SendFrom(CWnd* selectPage, const char* kind, bool sRecord, CZeltoCopyPage& copyPage)
    {
        ChooseImage(selectPage, kind, sRecord);
        wizard.Press(WizardButton::Next);
        ASSERT_TRUE(Shows(&copyPage))
            << (wizard.boxes.empty() ? "" : wizard.boxes.back().text);
        ASSERT_TRUE(wizard.PumpUntil([&copyPage] { return copyPage.m_bCopyDone && !copyPage.m_bCopying; }, 20000));
        ASSERT_TRUE(copyPage.m_bCopyOK) << copyPage.m_strError;
        expectedLog.push_back(std::string(kind) == "APLY" ? "" : "Start FTP thread");
        if (expectedLog.back().empty())
            expectedLog.pop_back();
        const std::string sent = sRecord ? wizard.ProgramDir() + kPathSeparatorString + "ZELTO.BIN" : Image(kind, ".BIN");
        expectedLog.insert(expectedLog.end(), {"Start PutFile() - " + sent, "End PutFile()", "FTP thread complete"});
        wizard.Press(WizardButton::Next);
    }

    WizardHarness wizard;
    CZeltoSheet& sheet = wizard.Sheet();
    std::string images;
    std::map<std::string, std::string> bytes;
    Lines expectedLog;
};

TEST_P(EndToEndTest, TheOperationRunsFromTheIntroPageToCompletion)
{
    const Walk walk = GetParam();
    const bool testMode = walk.mode == MODE_APLY_ONLY;
    ScaleSimulator scale(testMode ? tarvel::test::kTestModeAddress : tarvel::test::kRecoveryAddress);
    ASSERT_TRUE(scale.IsReady()) << scale.Error();

    wizard.ChooseMode(walk.mode);
    wizard.Press(WizardButton::Next);  // Step 1: reboot the scale
    wizard.Press(WizardButton::Next);
    if (testMode) {
        ASSERT_TRUE(Shows(&sheet.m_Page2a));
        wizard.SetAddressFields(&sheet.m_Page2a, IDC_SCALE_ADDRESS, {"10", "87", "20", "5"});
        wizard.Click(&sheet.m_Page2a, IDC_CHECK_CONNECTION);
        ASSERT_TRUE(wizard.PumpUntil([this] { return !sheet.m_Page2a.m_bChecking; }));
    } else {
        ASSERT_TRUE(Shows(&sheet.m_Page2));
        wizard.Click(&sheet.m_Page2, IDC_CHECK_CONNECTION);
        ASSERT_TRUE(wizard.PumpUntil([this] { return !sheet.m_Page2.m_bChecking; }));
    }
    ASSERT_EQ(sheet.m_nConnectState, CONNECT_OK);
    wizard.Press(WizardButton::Next);

    std::vector<std::string> stored;
    if (!testMode) {
        SendFrom(&sheet.m_Page3, "BOOT", walk.sRecord, sheet.m_Page4);
        stored.push_back("d:\\boot.bin");
    }
    if (walk.mode == MODE_BIOS_FONT_APLY) {
        ASSERT_TRUE(Shows(&sheet.m_Page4aFont));
        wizard.Press(WizardButton::Next);
        SendFrom(&sheet.m_Page3Font, "FONT", walk.sRecord, sheet.m_Page4Font);
        stored.push_back("d:\\font.bin");
    }
    ASSERT_TRUE(Shows(&sheet.m_Page5));
    SendFrom(&sheet.m_Page5, "APLY", walk.sRecord, sheet.m_Page6);
    stored.push_back("d:\\aply.bin");

    ASSERT_TRUE(Shows(&sheet.m_Page7));
    EXPECT_NE(wizard.Text(&sheet.m_Page7, IDC_TITLE).find("Scale firmware update complete"), std::string::npos);
    wizard.Press(WizardButton::Finish);
    EXPECT_EQ(wizard.EndResult(), ID_WIZFINISH);

    std::vector<std::string> names = scale.StoredNames();
    std::sort(names.begin(), names.end());
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(names, stored);
    const std::map<std::string, std::string> kindOf = {
        {"d:\\boot.bin", "BOOT"}, {"d:\\font.bin", "FONT"}, {"d:\\aply.bin", "APLY"}};
    for (const std::string& name : stored)
        EXPECT_TRUE(ReadWholeFile(scale.StoredPath(name)) == bytes[kindOf.at(name)]) << name;
    EXPECT_EQ(wizard.LogLines(), expectedLog);
    EXPECT_TRUE(wizard.boxes.empty()) << wizard.boxes.front().text;
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, EndToEndTest,
                         ::testing::Values(Walk{0, false}, Walk{0, true}, Walk{1, false}, Walk{1, true},
                                           Walk{2, false}, Walk{2, true}),
                         PrintWalk);

}  // namespace
