// The part of the harness that both backends share: the program directory, the sheet's making and
// its pages, the route's first choice and the log.
#include "tests/support/WizardHarness.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "common/PathSeparator.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"

void ResetSeams()
{
    test_services::Reset();
    std::strcpy(g_szScaleAddress, "192.168.10.1");
}

WizardHarness::WizardHarness(const std::string& programName)
{
    m_dir = m_tempDir.Path();
    test_services::SetProgramPath((m_dir + kPathSeparatorString + programName).c_str());
    std::strcpy(g_szScaleAddress, "192.168.10.1");
    test_services::SetMessageBoxHandler([this](const MessageBoxCall& call) {
        boxes.push_back(call);
        if (onBox)
            onBox(call);
        return IDOK;
    });
    m_sheet = std::make_unique<CZeltoSheet>(IDS_CAPTION, nullptr, 0);
    m_sheet->m_strLogPath = LogPath();
    m_sheet->ResetLog();
    m_sheet->m_psh.dwFlags |= PSH_WIZARD;
    m_sheet->Create();
    Pump();
}

WizardHarness::~WizardHarness()
{
    // A worker still running holds the page; let it report before the sheet goes.
    PumpUntil([] { return test_services::RunningWorkerThreads() == 0; }, 90000);
    Pump();
    CloseSheetWindow();
    m_sheet.reset();
    ResetSeams();
}

CPropertyPage* WizardHarness::Page(int index)
{
    CZeltoSheet& s = *m_sheet;
    CPropertyPage* pages[] = {&s.m_Intro,      &s.m_Page1,     &s.m_Page2,     &s.m_Page2a, &s.m_Page3, &s.m_Page4,
                              &s.m_Page4aFont, &s.m_Page3Font, &s.m_Page4Font, &s.m_Page5, &s.m_Page6, &s.m_Page7};
    return pages[static_cast<std::size_t>(index)];
}

void WizardHarness::ChooseMode(int mode)
{
    const int radio = mode == MODE_BIOS_APLY ? IDC_MODE_BIOS_APLY
                      : mode == MODE_APLY_ONLY ? IDC_MODE_APLY_ONLY
                                               : IDC_MODE_BIOS_FONT_APLY;
    Click(&m_sheet->m_Intro, radio);
}

std::string WizardHarness::LogPath() const
{
    return m_dir + kPathSeparatorString + "TarvelLog.txt";
}

std::string WizardHarness::LogText() const
{
    std::ifstream in(LogPath(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> WizardHarness::LogLines() const
{
    std::vector<std::string> lines;
    const std::string text = LogText();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::size_t separator = line.find(" : ");
        lines.push_back(separator == std::string::npos ? line : line.substr(separator + 3));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return lines;
}
