// The three image selection pages on the real sheet: what they show, which files they accept, how
// Next prepares the upload (sent as it is, or converted by the real converters) and where Back leads.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "common/PathSeparator.h"
#include "common/ProgramDirectory.h"
#include "firmware_files/ZeltoSelectPage.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/FileDialog.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/WizardHarness.h"
#include "transfer/ZeltoCopyPage.h"

using namespace converter_files;

namespace {

struct PageCase {
    const char* name;
    int index;      // in the sheet
    int nextIndex;  // the copy page after it
    const char* title;
    UINT nIDWrongName;
    const char* filter;
    CString CZeltoSheet::*path;
    const char* otherKindsFile;  // a file of another image kind
};

const PageCase kPages[] = {
    {"Boot", 4, 5, "BOOT", IDS_WRONG_BOOT_NAME,
     "Binary Format Files (BOOT.bin) |BOOT.bin|Motorola Format Files (BOOT.mot) |BOOT.mot||",
     &CZeltoSheet::m_strBootFile, "FONT.BIN"},
    {"Font", 7, 8, "FONT", IDS_WRONG_FONT_NAME,
     "Binary Format Files (FONT.bin) |FONT.bin|Motorola Format Files (FONT.mot) |FONT.mot||",
     &CZeltoSheet::m_strFontFile, "APLY.MOT"},
    {"Aply", 9, 10, "APLY", IDS_WRONG_APLY_NAME,
     "Binary Format Files (APLY.bin) |APLY.bin|Motorola Format Files (APLY.mot) |APLY.mot||",
     &CZeltoSheet::m_strAplyFile, "BOOT.BIN"},
};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

class SelectionPageTest : public ::testing::TestWithParam<PageCase> {
protected:
    void SetUp() override { Open("TarvelWiz"); }

    void TearDown() override
    {
        m_wizard.reset();
        test_services::ResetFileDialog();
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }

    void Open(const std::string& programName)
    {
        m_wizard.reset();
        m_wizard = std::make_unique<WizardHarness>(programName);
        m_dir = ProgramDirectory();
        m_images = m_wizard->ProgramDir() + kPathSeparatorString + "images";
        std::filesystem::create_directories(m_images);
        std::filesystem::create_directories(m_dir);
        ASSERT_TRUE(std::filesystem::is_directory(m_images) && std::filesystem::is_directory(m_dir));
        // Nothing here may reach a scale: the copy pages keep their last result and would send
        // only to loopback.
        std::strcpy(g_szScaleAddress, "127.0.0.1");
        Sheet().m_nUpdateMode = MODE_BIOS_FONT_APLY;
        for (int copyPage : {5, 8, 10})
            dynamic_cast<CZeltoCopyPage&>(*m_wizard->Page(copyPage)).m_bCopyDone = TRUE;
    }

    CZeltoSheet& Sheet() { return m_wizard->Sheet(); }
    CZeltoSelectPage& Page() { return dynamic_cast<CZeltoSelectPage&>(*m_wizard->Page(GetParam().index)); }
    CString& Chosen() { return Sheet().*GetParam().path; }
    std::string Shown() { return m_wizard->Text(&Page(), IDC_FILE_NAME); }

    void Enter()
    {
        Sheet().SetActivePage(&Page());
        m_wizard->Pump();
        ASSERT_EQ(m_wizard->Active(), GetParam().index);
    }

    void Select(const std::string& path, DWORD filterIndex)
    {
        test_services::SetNextFileDialogResult(path, filterIndex);
        m_wizard->Click(&Page(), IDC_SELECT);
    }

    // A path in the program directory and in the images' folder.
    std::string InProgramDir(const std::string& name) const { return m_dir + kPathSeparatorString + name; }
    std::string Image(const std::string& name) const { return m_images + kPathSeparatorString + name; }

    // A real S-record image under the given file name; returns its binary.
    std::string WriteMot(const std::string& path)
    {
        const std::vector<Chunk> chunks = {{0x8000, PatternBytes(110000, 11)}};
        WriteFile(path, MakeSRecords(chunks));
        return ImageOf(chunks);
    }

    std::unique_ptr<WizardHarness> m_wizard;
    std::string m_dir;
    std::string m_images;
};

TEST_P(SelectionPageTest, ShowsTheDefaultImageShortenedInTheTitleFont)
{
    Open(std::string("Service Tools") + kPathSeparatorString + "Scale Firmware Wizard" + kPathSeparatorString +
         "TarvelWiz");
    const std::string defaultFile = InProgramDir(GetParam().title + std::string(".BIN"));
    ASSERT_GT(defaultFile.size(), 40u);
    Enter();
    EXPECT_EQ(Chosen(), defaultFile);
    EXPECT_EQ(Shown(),
              defaultFile.substr(0, 40 - 9 - 3) + "..." + kPathSeparatorString + GetParam().title + ".BIN");
    EXPECT_TRUE(m_wizard->Enabled(WizardButton::Back));
    EXPECT_TRUE(m_wizard->Enabled(WizardButton::Next));
    EXPECT_FALSE(m_wizard->Shown(WizardButton::Finish));
    ASSERT_NE(Sheet().m_pTitleFont, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(Page().GetDlgItem(IDC_SELECT_TITLE)->SendMessage(WM_GETFONT)),
              static_cast<HFONT>(*Sheet().m_pTitleFont));
}

TEST_P(SelectionPageTest, NextSendsABinaryImageFromWhereItLies)
{
    Enter();
    m_wizard->Press(WizardButton::Next);
    EXPECT_EQ(m_wizard->Active(), GetParam().nextIndex);
    EXPECT_EQ(Sheet().m_strUploadFile, InProgramDir(GetParam().title + std::string(".BIN")));
    EXPECT_FALSE(Exists(InProgramDir("ZELTO.BIN"))) << "nothing converted";
    EXPECT_TRUE(m_wizard->boxes.empty());
}

TEST_P(SelectionPageTest, LowerCaseMotUnderTheBinaryFilterIsConvertedOnNext)
{
    InstallConverters(m_dir);
    const std::string previous = Chosen();
    const std::string chosen = Image(Lower(GetParam().title) + ".mot");
    const std::string image = WriteMot(chosen);
    Enter();
    Select(chosen, 1);

    test_services::FileDialogCall call{};
    ASSERT_TRUE(test_services::LastFileDialog(call));
    EXPECT_TRUE(call.openFileDialog);
    EXPECT_EQ(call.defExt, "mot");
    EXPECT_EQ(call.fileName, previous) << "opens on the current choice";
    EXPECT_EQ(call.flags, OFN_PATHMUSTEXIST);
    EXPECT_EQ(call.filter, GetParam().filter);

    EXPECT_EQ(Chosen(), chosen);
    EXPECT_TRUE(Page().m_bMotFile);
    const std::string name = chosen.substr(chosen.rfind(kPathSeparator));
    EXPECT_EQ(Shown(), chosen.size() <= 40 ? chosen : chosen.substr(0, 40 - name.size() - 3) + "..." + name);
    EXPECT_TRUE(m_wizard->boxes.empty());

    m_wizard->Press(WizardButton::Next);
    EXPECT_EQ(m_wizard->Active(), GetParam().nextIndex);
    EXPECT_EQ(Sheet().m_strUploadFile, InProgramDir("ZELTO.BIN"));
    EXPECT_TRUE(ReadFile(InProgramDir("ZELTO.BIN")) == image);
    EXPECT_EQ(m_wizard->CursorId(), IDC_ARROW);
}

TEST_P(SelectionPageTest, BinNameUnderTheMotorolaFilterIsConverted)
{
    InstallConverters(m_dir);
    const std::string chosen = Image(GetParam().title + std::string(".BIN"));
    const std::string image = WriteMot(chosen);
    Enter();
    Select(chosen, 2);
    EXPECT_TRUE(Page().m_bMotFile);
    m_wizard->Press(WizardButton::Next);
    EXPECT_EQ(m_wizard->Active(), GetParam().nextIndex);
    EXPECT_TRUE(ReadFile(InProgramDir("ZELTO.BIN")) == image);
}

TEST_P(SelectionPageTest, AnyOtherExtensionIsBinaryAndNoneTakesTheDefault)
{
    Enter();
    const std::string text = Image(GetParam().title + std::string(".TXT"));
    Select(text, 1);
    EXPECT_EQ(Chosen(), text);
    EXPECT_FALSE(Page().m_bMotFile);
    m_wizard->Press(WizardButton::Next);
    EXPECT_EQ(Sheet().m_strUploadFile, text) << "sent as it is, though it does not exist";

    // A name typed without an extension gets the dialog's default one, "mot".
    Enter();
    Select(Image(GetParam().title), 1);
    EXPECT_EQ(Chosen(), Image(GetParam().title + std::string(".mot")));
    EXPECT_TRUE(Page().m_bMotFile);
}

TEST_P(SelectionPageTest, WrongNameKeepsThePreviousChoice)
{
    Enter();
    const std::string chosen = Image(GetParam().title + std::string(".MOT"));
    Select(chosen, 2);
    ASSERT_TRUE(Page().m_bMotFile);
    const std::string shown = Shown();

    for (const std::string& wrong : {std::string(GetParam().title) + "1.BIN", std::string(GetParam().otherKindsFile)}) {
        m_wizard->boxes.clear();
        Select(Image(wrong), 1);
        ASSERT_EQ(m_wizard->boxes.size(), 1u) << wrong;
        EXPECT_EQ(m_wizard->boxes[0].text, LoadString(GetParam().nIDWrongName));
        EXPECT_EQ(Chosen(), chosen);
        EXPECT_TRUE(Page().m_bMotFile);
        EXPECT_EQ(Shown(), shown);
    }
}

TEST_P(SelectionPageTest, CancelledDialogOrMissingFolderChangesNothing)
{
    Enter();
    const std::string chosen = Image(GetParam().title + std::string(".MOT"));
    Select(chosen, 1);
    ASSERT_TRUE(Page().m_bMotFile);

    test_services::SetNextFileDialogCancel();
    m_wizard->Click(&Page(), IDC_SELECT);
    Select(Image("no such folder") + kPathSeparatorString + GetParam().title + ".BIN", 1);
    EXPECT_EQ(Chosen(), chosen);
    EXPECT_TRUE(Page().m_bMotFile);
    EXPECT_TRUE(m_wizard->boxes.empty());
}

TEST_P(SelectionPageTest, FailedConversionKeepsThePage)
{
    Enter();
    Select(Image(GetParam().title + std::string(".MOT")), 2);  // and no converters beside the program
    m_wizard->Press(WizardButton::Next);
    EXPECT_EQ(m_wizard->Active(), GetParam().index);
    ASSERT_EQ(m_wizard->boxes.size(), 1u);
    EXPECT_EQ(m_wizard->boxes[0].text, LoadString(IDS_CONVERTER_MISSING));

    // A work file that cannot be deleted is named, and the page stays with the directory unchanged.
    // Read without the platform's _getcwd, whose declaration the C run-time's own meets in a
    // Windows test (GoogleTest includes <direct.h>).
    const std::filesystem::path before = std::filesystem::current_path();
    InstallConverters(m_dir);
    ASSERT_TRUE(std::filesystem::create_directory(InProgramDir("ZELTO.BIN")));
    WriteFile(InProgramDir("ZELTO.BIN") + kPathSeparatorString + "keep", "");
    m_wizard->boxes.clear();
    m_wizard->Press(WizardButton::Next);
    EXPECT_EQ(m_wizard->Active(), GetParam().index);
    ASSERT_EQ(m_wizard->boxes.size(), 1u);
    EXPECT_NE(m_wizard->boxes[0].text.find("Cannot delete the old work file " + InProgramDir("ZELTO.BIN") + "."),
              std::string::npos);
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_EQ(m_wizard->CursorId(), IDC_ARROW);
}

INSTANTIATE_TEST_SUITE_P(Pages, SelectionPageTest, ::testing::ValuesIn(kPages),
                         [](const auto& test) { return std::string(test.param.name); });

// Where Back leads, and the APLY page's title, by operation mode.
class SelectionRouteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::strcpy(g_szScaleAddress, "127.0.0.1");
        for (int copyPage : {5, 8, 10})
            dynamic_cast<CZeltoCopyPage&>(*m_wizard.Page(copyPage)).m_bCopyDone = TRUE;
    }

    int BackFrom(int index, int mode)
    {
        m_wizard.Sheet().m_nUpdateMode = mode;
        m_wizard.Sheet().SetActivePage(m_wizard.Page(index));
        m_wizard.Pump();
        m_wizard.Press(WizardButton::Back);
        return m_wizard.Active();
    }

    WizardHarness m_wizard;
};

TEST_F(SelectionRouteTest, BackFromEachSelectionPage)
{
    for (int mode : {MODE_BIOS_APLY, MODE_BIOS_FONT_APLY, MODE_APLY_ONLY})
        EXPECT_EQ(BackFrom(4, mode), 2) << "BOOT page, mode " << mode;
    EXPECT_EQ(BackFrom(7, MODE_BIOS_FONT_APLY), 6) << "FONT page";
    EXPECT_EQ(BackFrom(9, MODE_BIOS_APLY), 5) << "APLY page, mode 0";
    EXPECT_EQ(BackFrom(9, MODE_BIOS_FONT_APLY), 8) << "APLY page, mode 1";
    EXPECT_EQ(BackFrom(9, MODE_APLY_ONLY), 3) << "APLY page, mode 2";
    EXPECT_TRUE(m_wizard.boxes.empty());
}

TEST_F(SelectionRouteTest, AplyTitleFollowsTheMode)
{
    const struct {
        int mode;
        UINT id;
        const char* text;
    } titles[] = {{MODE_BIOS_APLY, 4106, "Step 5:  Copy scale application program"},
                  {MODE_APLY_ONLY, 4107, "Step 3:  Copy scale application program"},
                  {MODE_BIOS_FONT_APLY, 4112, "Step 8: Copy scale application program"},
                  {MODE_BIOS_APLY, 4106, "Step 5:  Copy scale application program"}};
    for (const auto& title : titles) {
        m_wizard.Sheet().m_nUpdateMode = title.mode;
        m_wizard.Sheet().SetActivePage(m_wizard.Page(9));
        m_wizard.Pump();
        EXPECT_EQ(m_wizard.Text(&m_wizard.Sheet().m_Page5, IDC_SELECT_TITLE), title.text) << title.mode;
        EXPECT_EQ(LoadString(title.id), title.text);
        m_wizard.Sheet().SetActivePage(m_wizard.Page(0));
    }
    // The BOOT and FONT pages keep their templates' titles.
    m_wizard.Sheet().SetActivePage(m_wizard.Page(4));
    m_wizard.Pump();
    EXPECT_EQ(m_wizard.Text(&m_wizard.Sheet().m_Page3, IDC_SELECT_TITLE), "Step 3:  Copy scale BIOS program");
}

}  // namespace
