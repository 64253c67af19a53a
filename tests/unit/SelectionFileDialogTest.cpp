// The file dialog of the selection pages: the framework's filter syntax on a real Qt file dialog, the
// 1-based filter index, and the split of the chosen name into title and extension.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/ui/FileDialog.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/TestServices.h"

using namespace converter_files;

namespace {

const char kFilter[] = "Binary Format Files (BOOT.bin) |BOOT.bin|Motorola Format Files (BOOT.mot) |BOOT.mot||";

class SelectionFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        m_dir = m_temp.path().toStdString();
    }

    void TearDown() override { test_services::ResetFileDialog(); }

    // Runs the real dialog; the operator's part is played inside it once it is open.
    int RunReal(CFileDialog& dialog, const std::function<void(QFileDialog&)>& operate)
    {
        bool operated = false;
        std::function<void()> poll;
        poll = [&] {
            auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (open == nullptr) {
                QTimer::singleShot(10, poll);
                return;
            }
            operated = true;
            operate(*open);
        };
        QTimer::singleShot(0, poll);
        test_services::UseRealFileDialog();
        const int result = dialog.DoModal();
        test_services::ResetFileDialog();
        EXPECT_TRUE(operated);
        return result;
    }

    QTemporaryDir m_temp;
    std::string m_dir;
};

TEST_F(SelectionFileDialogTest, RealDialogShowsTheFiltersAndReportsTheChosenOne)
{
    WriteFile(m_dir + "/BOOT.BIN", "image");
    CFileDialog dialog(TRUE, "mot", (m_dir + "/BOOT.BIN").c_str(), OFN_PATHMUSTEXIST, kFilter, nullptr);
    const int result = RunReal(dialog, [&](QFileDialog& open) {
        const QStringList filters = open.nameFilters();
        EXPECT_EQ(filters.size(), 2);
        if (filters.size() != 2) {
            open.reject();
            return;
        }
        EXPECT_TRUE(filters[0].startsWith("Binary Format Files (BOOT.bin)"));
        EXPECT_TRUE(filters[0].endsWith("(BOOT.bin)"));
        EXPECT_TRUE(filters[1].endsWith("(BOOT.mot)"));
        EXPECT_TRUE(open.selectedNameFilter().startsWith("Binary Format Files")) << "opens with the binary filter";
        EXPECT_EQ(open.directory().absolutePath().toStdString(), m_dir) << "in the current file's folder";
        EXPECT_EQ(open.fileMode(), QFileDialog::AnyFile) << "a file that does not exist may be named";
        open.selectNameFilter(filters[1]);
        open.findChild<QLineEdit*>("fileNameEdit")->setText("BOOT.BIN");
        static_cast<QDialog&>(open).accept();  // the Open button
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetPathName(), m_dir + "/BOOT.BIN");
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
}

TEST_F(SelectionFileDialogTest, RealDialogAddsTheDefaultExtensionAndCanBeCancelled)
{
    CFileDialog typed(TRUE, "mot", (m_dir + "/BOOT.BIN").c_str(), OFN_PATHMUSTEXIST, kFilter, nullptr);
    EXPECT_EQ(RunReal(typed,
                      [](QFileDialog& open) {
                          open.findChild<QLineEdit*>("fileNameEdit")->setText("BOOT");
                          static_cast<QDialog&>(open).accept();  // the Open button
                      }),
              IDOK);
    EXPECT_EQ(typed.GetPathName(), m_dir + "/BOOT.mot");
    EXPECT_EQ(typed.m_ofn.nFilterIndex, 1u);

    CFileDialog cancelled(TRUE, "mot", (m_dir + "/BOOT.BIN").c_str(), OFN_PATHMUSTEXIST, kFilter, nullptr);
    EXPECT_EQ(RunReal(cancelled, [](QFileDialog& open) { open.reject(); }), IDCANCEL);
}

TEST_F(SelectionFileDialogTest, NameSplitsIntoTitleAndExtension)
{
    const struct {
        const char* name;
        const char* title;
        const char* ext;
    } names[] = {{"BOOT.BIN", "BOOT", "BIN"},
                 {"boot.v2.mot", "boot.v2", "mot"},
                 {"BOOT.", "BOOT", ""},
                 {".mot", "", "mot"}};
    for (const auto& n : names) {
        test_services::SetNextFileDialogResult(m_dir + "/" + n.name, 1);
        CFileDialog dialog(TRUE, nullptr, nullptr, 0, kFilter, nullptr);
        ASSERT_EQ(dialog.DoModal(), IDOK) << n.name;
        EXPECT_EQ(dialog.GetFileTitle(), n.title) << n.name;
        EXPECT_EQ(dialog.GetFileExt(), n.ext) << n.name;
        EXPECT_EQ(dialog.GetPathName(), m_dir + "/" + n.name);
    }
}

TEST_F(SelectionFileDialogTest, ScriptedAnswerIsUsedOnceAndTheCallIsRecorded)
{
    test_services::FileDialogCall call{};
    EXPECT_FALSE(test_services::LastFileDialog(call));

    test_services::SetNextFileDialogResult(m_dir + "/BOOT", 2);
    CFileDialog dialog(TRUE, "mot", "/initial/BOOT.BIN", OFN_PATHMUSTEXIST, kFilter, nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), m_dir + "/BOOT.mot");
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);

    ASSERT_TRUE(test_services::LastFileDialog(call));
    EXPECT_TRUE(call.openFileDialog);
    EXPECT_EQ(call.defExt, "mot");
    EXPECT_EQ(call.fileName, "/initial/BOOT.BIN");
    EXPECT_EQ(call.flags, OFN_PATHMUSTEXIST);
    EXPECT_EQ(call.filter, kFilter);

    // A folder that does not exist is refused under OFN_PATHMUSTEXIST.
    test_services::SetNextFileDialogResult(m_dir + "/missing/BOOT.BIN", 1);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), m_dir + "/BOOT.mot") << "the earlier choice stays";
    test_services::SetNextFileDialogCancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
