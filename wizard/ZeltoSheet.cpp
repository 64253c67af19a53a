#include "wizard/ZeltoSheet.h"

#include <iterator>

#include "common/PathSeparator.h"
#include "common/ProgramDirectory.h"
#include "firmware_files/MotConversion.h"
#include "transfer/UpdateLog.h"

CZeltoSheet::CZeltoSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
    CPropertyPage* pages[] = {&m_Intro, &m_Page1, &m_Page2, &m_Page2a, &m_Page3, &m_Page4,
                              &m_Page4aFont, &m_Page3Font, &m_Page4Font, &m_Page5, &m_Page6, &m_Page7};
    CZeltoSheet** backPointers[] = {&m_Intro.m_pSheet, &m_Page1.m_pSheet, &m_Page2.m_pSheet, &m_Page2a.m_pSheet,
                                    &m_Page3.m_pSheet, &m_Page4.m_pSheet, &m_Page4aFont.m_pSheet,
                                    &m_Page3Font.m_pSheet, &m_Page4Font.m_pSheet, &m_Page5.m_pSheet,
                                    &m_Page6.m_pSheet, &m_Page7.m_pSheet};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        *backPointers[i] = this;
        AddPage(pages[i]);
    }

    m_nUpdateMode = MODE_BIOS_APLY;
    m_pTitleFont = nullptr;
    m_nConnectState = CONNECT_NOT_CHECKED;

    // A program path without a separator leaves the directory empty: the images then name the root.
    const CString directory = ProgramDirectory() + kPathSeparatorString;
    m_strBootFile = directory + NamesOf(ImageKind::BOOT).pszDefaultFile;
    m_strAplyFile = directory + NamesOf(ImageKind::APLY).pszDefaultFile;
    m_strFontFile = directory + NamesOf(ImageKind::FONT).pszDefaultFile;

    m_bLogEnabled = TRUE;
}

CZeltoSheet::~CZeltoSheet()
{
    // The pages' windows must go before the title font that their titles use.
    DestroyWindow();
    delete m_pTitleFont;
}

void CZeltoSheet::CreateTitleFont(CWnd* pTitle)
{
    if (m_pTitleFont != nullptr || pTitle == nullptr)
        return;
    const auto hFont = reinterpret_cast<HFONT>(pTitle->SendMessage(WM_GETFONT));
    LOGFONT lf{};
    GetObject(hFont, sizeof(lf), &lf);
    // One size larger and semi-bold: the rest of the title's font stays as it is.
    lf.lfWidth = 0;
    lf.lfHeight = lf.lfHeight * 5 / 4;
    if (lf.lfWeight < 600)
        lf.lfWeight += 200;
    m_pTitleFont = new CFont;
    m_pTitleFont->Attach(::CreateFontIndirect(&lf));
}

BOOL CZeltoSheet::ConvertMotToBin(CString strMotFile, ImageKind kind)
{
    // The program directory is worked out afresh for every conversion.
    return CMotConversion(ProgramDirectory()).Convert(strMotFile, kind, m_strUploadFile);
}

void CZeltoSheet::WriteLog(CString strText)
{
    CUpdateLog(m_strLogPath, m_bLogEnabled).Write(strText);
}

void CZeltoSheet::ResetLog()
{
    CUpdateLog(m_strLogPath, m_bLogEnabled).Reset();
}
