// The compiled-in resources: every page template the sheet builds, the controls the pages look up,
// the string table, and the pictures as Qt loads them.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSet>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/sys/ResourceFormat.h"
#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"
#include "tests/support/WizardHarness.h"
#include "tests/support/qt/WidgetAccess.h"

namespace {

const DialogTemplate* FindTemplate(UINT id) {
    for (std::size_t i = 0; i < g_dialogTemplateCount; ++i)
        if (g_dialogTemplates[i]->id == id) return g_dialogTemplates[i];
    return nullptr;
}

const DialogControl* FindControl(const DialogTemplate& t, int id) {
    for (std::size_t i = 0; i < t.controlCount; ++i)
        if (t.controls[i].id == id) return &t.controls[i];
    return nullptr;
}

// A control that is not there reads as this stand-in, so that the expectations fail instead of the
// test crashing on a null pointer.
const DialogControl kMissing = {-2, ControlKind::Bitmap, -1, -1, 0, 0, "<missing>", 0xFFFF, 0};

const DialogControl& Control(UINT templateId, int controlId) {
    const DialogTemplate* t = FindTemplate(templateId);
    const DialogControl* c = t ? FindControl(*t, controlId) : nullptr;
    return c ? *c : kMissing;
}

std::string String(UINT id) {
    for (std::size_t i = 0; i < g_stringCount; ++i)
        if (g_stringTable[i].id == id) return g_stringTable[i].text;
    return "<missing " + std::to_string(id) + ">";
}

// A source file of the system without its comments; empty when it is not there.
std::string SourceWithoutComments(const std::string& relativePath) {
    std::ifstream in(std::string(TARVEL_SOURCE_DIR) + "/" + relativePath);
    std::stringstream text;
    text << in.rdbuf();
    return std::regex_replace(text.str(), std::regex("//[^\n]*"), "");
}

// The folder-qualified file of a class, named after the class without its C ("connection/ZeltoPage2").
std::string FileOfClass(const std::string& className) {
    if (className.empty()) return "";
    for (const char* folder : {"app", "wizard", "connection", "firmware_files", "transfer"}) {
        const std::string path = std::string(folder) + "/" + className.substr(1);
        if (std::ifstream(std::string(TARVEL_SOURCE_DIR) + "/" + path + ".h")) return path;
    }
    return "";
}

std::string ClassNameOf(const CPropertyPage& page) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(page).name(), nullptr, nullptr, &status),
                                                std::free);
    return status == 0 ? name.get() : "";
}

}  // namespace

TEST(ResourcesTest, EveryPageTemplateOnceWithItsSizeCaptionAndFont) {
    std::map<UINT, int> seen;
    for (std::size_t i = 0; i < g_dialogTemplateCount; ++i) ++seen[g_dialogTemplates[i]->id];
    for (UINT id = 129; id <= 140; ++id) {
        SCOPED_TRACE(id);
        ASSERT_EQ(seen[id], 1);
        const DialogTemplate& t = *FindTemplate(id);  // present: counted once above
        EXPECT_EQ(t.cx, id == IDD_INTRO ? 291 : 290);
        EXPECT_EQ(t.cy, id == IDD_INTRO ? 223 : 195);
        EXPECT_STREQ(t.caption, "Scale Tarvel");
        EXPECT_EQ(t.pointSize, 8);
        EXPECT_STREQ(t.faceName, "MS Sans Serif");
    }
    EXPECT_EQ(g_dialogTemplateCount, 12u);
}

TEST(ResourcesTest, EveryControlFitsItsPageAndOwnsItsId) {
    for (std::size_t i = 0; i < g_dialogTemplateCount; ++i) {
        const DialogTemplate& t = *g_dialogTemplates[i];
        SCOPED_TRACE(t.id);
        std::set<int> ids;
        int pictures = 0;
        for (std::size_t k = 0; k < t.controlCount; ++k) {
            const DialogControl& c = t.controls[k];
            SCOPED_TRACE(c.id);
            ASSERT_NE(c.text, nullptr);
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_GT(c.cx, 0);
            EXPECT_GT(c.cy, 0);
            EXPECT_LE(c.x + c.cx, t.cx);
            EXPECT_LE(c.y + c.cy, t.cy);
            if (c.id != IDC_STATIC) {
                EXPECT_TRUE(ids.insert(c.id).second) << "duplicate ID";
            }
            if (c.kind == ControlKind::Bitmap) {
                ++pictures;
                EXPECT_EQ(c.imageId, IDB_WIZARD);
                EXPECT_EQ(c.style, CS_SUNKEN);
                EXPECT_TRUE(c.x == 0 && c.y == 0 && c.cx == 20 && c.cy == 20);
            }
            // Only the wait text and Retry start hidden; a hidden text elsewhere would never show.
            if (c.style & CS_HIDDEN) {
                EXPECT_TRUE((c.id == 1005 && (t.id == IDD_CONNECT_RECOVERY || t.id == IDD_CONNECT_TEST)) ||
                            (c.id == 1009 && c.kind == ControlKind::PushButton));
            }
        }
        EXPECT_EQ(pictures, 1);
    }
}

TEST(ResourcesTest, ControlsThePagesLookUpHaveTheirKindAndStyle) {
    struct Expect { UINT page; int id; ControlKind kind; UINT style; };
    const ControlKind S = ControlKind::Static, P = ControlKind::PushButton, R = ControlKind::AutoRadioButton;
    std::vector<Expect> expected = {
        {IDD_INTRO, 1001, S, 0}, {IDD_INTRO, 1003, R, CS_GROUP}, {IDD_INTRO, 1004, R, 0}, {IDD_INTRO, 1005, R, 0},
        {IDD_REBOOT, 1001, S, 0}, {IDD_REBOOT, 1010, S, 0}, {IDD_REBOOT, 1011, S, 0}, {IDD_REBOOT, 1013, S, 0},
        {IDD_REBOOT_FONT, 1001, S, 0}, {IDD_COMPLETE, 1001, S, 0},
        {IDD_CONNECT_TEST, 1007, ControlKind::IpAddress, 0},
    };
    for (UINT page : {IDD_SELECT_BOOT, IDD_SELECT_FONT, IDD_SELECT_APLY})
        expected.insert(expected.end(), {{page, 1002, S, 0}, {page, 1001, P, 0}, {page, 1006, S, CS_SUNKEN | CS_BORDER}});
    for (UINT page : {IDD_CONNECT_RECOVERY, IDD_CONNECT_TEST})
        expected.insert(expected.end(), {{page, 1000, S, 0}, {page, 1001, S, 0}, {page, 1002, P, 0}, {page, 1003, S, 0},
                                         {page, 1004, S, 0}, {page, 1005, S, CS_HIDDEN}, {page, 1006, ControlKind::GroupBox, 0}});
    for (UINT page : {IDD_COPY_BOOT, IDD_COPY_FONT, IDD_COPY_APLY})
        expected.insert(expected.end(), {{page, 1001, S, 0}, {page, 1003, S, 0}, {page, 1004, S, 0}, {page, 1007, S, 0},
                                         {page, 1008, S, 0}, {page, 1009, P, CS_HIDDEN}});
    for (const Expect& e : expected) {
        SCOPED_TRACE(std::to_string(e.page) + "/" + std::to_string(e.id));
        const DialogControl& c = Control(e.page, e.id);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.style, e.style);
    }
    // The radio group is 1003, 1004, 1005 in this order, with nothing between them, while the
    // screen shows 1005 above 1004.
    const DialogTemplate* intro = FindTemplate(IDD_INTRO);
    ASSERT_NE(intro, nullptr);
    const DialogControl* first = FindControl(*intro, 1003);
    ASSERT_NE(first, nullptr);
    ASSERT_LE(static_cast<std::size_t>(first - intro->controls) + 3, intro->controlCount);
    EXPECT_EQ(first[1].id, 1004);
    EXPECT_EQ(first[2].id, 1005);
    EXPECT_LT(Control(IDD_INTRO, 1005).y, Control(IDD_INTRO, 1004).y);
}

// Every control ID that a page's source names - looked up with GetDlgItem, listed for a loop of
// lookups, or in the message map - stands on the template the page is built on; the page's own class
// and every page class it derives from count. A page that looks up an ID its template lacks gets
// nothing back and silently leaves that control alone.
TEST(ResourcesTest, EveryControlAPageNamesStandsOnItsTemplate) {
    std::map<std::string, int> controlIds;
    const std::string idsHeader = SourceWithoutComments("resources/ControlIds.h");
    const std::regex idDefinition("constexpr int (IDC_\\w+) = (\\d+);");
    const std::sregex_iterator end;
    for (auto it = std::sregex_iterator(idsHeader.begin(), idsHeader.end(), idDefinition); it != end; ++it)
        controlIds[(*it)[1]] = std::stoi((*it)[2]);
    ASSERT_GE(controlIds.size(), 20u) << "resources/ControlIds.h not read";

    const std::regex idUse("\\bIDC_\\w+"), numberLookUp("GetDlgItem\\s*\\(\\s*\\d"),
        baseClass("class\\s+(\\w+)\\s*:\\s*public\\s+(\\w+)");
    WizardHarness wizard;
    for (int i = 0; i < 12; ++i) {
        const CPropertyPage& page = *wizard.Page(i);
        const DialogTemplate* pageTemplate = FindTemplate(page.m_nIDTemplate);
        ASSERT_NE(pageTemplate, nullptr) << i;
        std::set<std::string> named;
        for (std::string className = ClassNameOf(page); className != "CPropertyPage";) {
            SCOPED_TRACE(className);
            const std::string file = FileOfClass(className);
            ASSERT_FALSE(file.empty()) << "no header named after the class";
            const std::string header = SourceWithoutComments(file + ".h");
            const std::string source = header + SourceWithoutComments(file + ".cpp");
            EXPECT_FALSE(std::regex_search(source, numberLookUp)) << "a control looked up by a bare number";
            for (auto it = std::sregex_iterator(source.begin(), source.end(), idUse); it != end; ++it)
                if (controlIds.count(it->str())) named.insert(it->str());
            std::smatch declaration;
            ASSERT_TRUE(std::regex_search(header, declaration, baseClass) && declaration[1] == className);
            className = declaration[2];
        }
        SCOPED_TRACE(ClassNameOf(page));
        // Every page at least draws its step title.
        EXPECT_TRUE(named.count("IDC_TITLE") || named.count("IDC_SELECT_TITLE"));
        for (const std::string& name : named)
            EXPECT_NE(FindControl(*pageTemplate, controlIds[name]), nullptr)
                << name << " (" << controlIds[name] << ") is not on template " << pageTemplate->id;
    }
}

TEST(ResourcesTest, StringTableHoldsExactlyTheProgramsIds) {
    std::set<UINT> expected = {103};
    for (UINT id = 4096; id <= 4114; ++id) expected.insert(id);
    for (UINT id = 32768; id <= 32777; ++id) expected.insert(id);
    std::multiset<UINT> ids;
    for (std::size_t i = 0; i < g_stringCount; ++i) {
        ids.insert(g_stringTable[i].id);
        ASSERT_NE(g_stringTable[i].text, nullptr);
        EXPECT_GT(std::strlen(g_stringTable[i].text), 0u) << g_stringTable[i].id;
    }
    EXPECT_EQ(std::set<UINT>(ids.begin(), ids.end()), expected);
    EXPECT_EQ(ids.size(), expected.size()) << "an ID is listed twice";
}

TEST(ResourcesTest, TextsKeepTheirBlanksTyposAndLineBreaks) {
    // Every step title has two blanks after its colon, except the mode-1 application title.
    auto checkTitle = [](const std::string& s, UINT id) {
        if (s.rfind("Step ", 0) != 0) return;
        const std::size_t colon = s.find(':');
        ASSERT_NE(colon, std::string::npos) << s;
        const std::string gap = id == 4112 ? ": C" : ":  ";
        EXPECT_EQ(s.substr(colon, 3), gap) << s;
    };
    for (std::size_t i = 0; i < g_stringCount; ++i) checkTitle(g_stringTable[i].text, g_stringTable[i].id);
    for (std::size_t i = 0; i < g_dialogTemplateCount; ++i)
        for (std::size_t k = 0; k < g_dialogTemplates[i]->controlCount; ++k)
            checkTitle(g_dialogTemplates[i]->controls[k].text, 0);
    EXPECT_EQ(String(4112), "Step 8: Copy scale application program");

    EXPECT_EQ(String(IDS_CAPTION), "Scale Tarvel");
    EXPECT_EQ(String(IDS_SOCKETS_INIT_FAILED), "Windows sockets initialization failed.");
    EXPECT_EQ(String(IDS_WAIT_FOR_SCALE), "Please wait until scale communications completes.");
    EXPECT_EQ(String(IDS_CONNECT_ERROR_PREFIX), "Unable to connect to scale! : ");
    EXPECT_EQ(String(IDS_CONVERTER_MISSING),
              "Error: Cannot find MOT -> BIN conversion program.\nYou may need to reinstall the "
              "firmware wizard to restore the conversion program files.");
    EXPECT_EQ(String(IDS_WRONG_APLY_NAME),
              "The selected file name is incorrect. You must specify either APLY.BIN or APLY.MOT.\n"
              "Sending an invalid file will disable the scale.");

    EXPECT_NE(std::string(Control(IDD_CONNECT_RECOVERY, 1000).text).find("fixed at 192,168.10.1.\nThe IP"), std::string::npos);
    for (UINT page : {IDD_COPY_BOOT, IDD_COPY_FONT, IDD_COPY_APLY}) {
        const std::string confirm = Control(page, 1008).text;
        EXPECT_NE(confirm.find("program.\nAfter approximately " +
                               std::string(page == IDD_COPY_APLY ? "30sec" : "20sec")),
                  std::string::npos) << page;
        EXPECT_NE(confirm.find("display \"PASS\" to indicate the program was updated sucessfully."),
                  std::string::npos) << page;
    }
    const DialogTemplate* boot = FindTemplate(IDD_SELECT_BOOT);
    ASSERT_NE(boot, nullptr);
    bool ifNot = false;
    for (std::size_t k = 0; k < boot->controlCount; ++k)
        ifNot |= std::string(boot->controls[k].text).find("below. If not. click the Select") != std::string::npos;
    EXPECT_TRUE(ifNot);

    // Pages whose texts are replaced by mode start with the mode-0 texts.
    EXPECT_EQ(std::string(Control(IDD_REBOOT, 1001).text), String(IDS_REBOOT_RECOVERY_TITLE));
    EXPECT_EQ(std::string(Control(IDD_REBOOT, 1013).text), String(IDS_REBOOT_RECOVERY_STEP3));
    EXPECT_EQ(std::string(Control(IDD_SELECT_APLY, 1002).text), String(IDS_SELECT_APLY_TITLE_BIOS_APLY));
    EXPECT_EQ(std::string(Control(IDD_COPY_APLY, 1001).text), String(IDS_COPY_APLY_TITLE_BIOS_APLY));
    EXPECT_EQ(std::string(Control(IDD_COMPLETE, 1001).text), String(IDS_COMPLETE_TITLE_BIOS_APLY));
}

TEST(ResourcesTest, PicturesLoadAtTheirSizeInSixteenColours) {
    auto check = [](const ImageResource& r, int w, int h) {
        QImage image(r.xpm);
        ASSERT_FALSE(image.isNull()) << "not a valid picture";
        EXPECT_EQ(image.width(), w);
        EXPECT_EQ(image.height(), h);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16);
        EXPECT_GE(colours.size(), 4) << "a blank picture";
    };
    ASSERT_EQ(g_bitmapCount, 1u);
    EXPECT_EQ(g_bitmaps[0].id, IDB_WIZARD);
    check(g_bitmaps[0], 158, 74);
    std::set<int> iconSizes;
    for (std::size_t i = 0; i < g_iconCount; ++i) {
        EXPECT_EQ(g_icons[i].id, IDI_PROGRAM);
        const int side = QImage(g_icons[i].xpm).width();
        iconSizes.insert(side);
        check(g_icons[i], side, side);
    }
    EXPECT_EQ(iconSizes, (std::set<int>{16, 32}));
}
