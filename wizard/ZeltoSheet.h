// The wizard: one property sheet in wizard mode that owns all twelve pages and the state they share
// for one run - the operation, the connection check's result, the image paths, the log and the
// enlarged title font. Pages reach it only through their m_pSheet.
#pragma once

#include "common/ImageKind.h"
#include "connection/ConnectState.h"
#include "connection/ZeltoPage2.h"
#include "connection/ZeltoPage2a.h"
#include "firmware_files/ZeltoPage3.h"
#include "firmware_files/ZeltoPage3Font.h"
#include "firmware_files/ZeltoPage5.h"
#include "platform/ui/Font.h"
#include "platform/ui/PropertySheet.h"
#include "transfer/ZeltoPage4.h"
#include "transfer/ZeltoPage4Font.h"
#include "transfer/ZeltoPage6.h"
#include "wizard/ScaleAddress.h"
#include "wizard/ZeltoIntro.h"
#include "wizard/ZeltoPage1.h"
#include "wizard/ZeltoPage4aFont.h"
#include "wizard/ZeltoPage7.h"

// Operation modes (m_nUpdateMode).
constexpr int MODE_BIOS_APLY = 0;
constexpr int MODE_BIOS_FONT_APLY = 1;
constexpr int MODE_APLY_ONLY = 2;

class CZeltoSheet : public CPropertySheet {
public:
    CZeltoSheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CZeltoSheet() override;

    // Makes the enlarged step-title font from the title's own font, once per sheet.
    void CreateTitleFont(CWnd* pTitle);
    // Converts a chosen S-record image to the binary work file beside the program and makes that
    // file the next upload; FALSE after a message has been shown (CMotConversion).
    BOOL ConvertMotToBin(CString strMotFile, ImageKind kind);
    // Appends one time-stamped line to the update log; never reports a failure (CUpdateLog).
    void WriteLog(CString strText);
    // Empties the update log, or creates it empty.
    void ResetLog();

    CZeltoIntro m_Intro;
    CZeltoPage1 m_Page1;
    CZeltoPage2 m_Page2;
    CZeltoPage2a m_Page2a;
    CZeltoPage3 m_Page3;
    CZeltoPage4 m_Page4;
    CZeltoPage4aFont m_Page4aFont;
    CZeltoPage3Font m_Page3Font;
    CZeltoPage4Font m_Page4Font;
    CZeltoPage5 m_Page5;
    CZeltoPage6 m_Page6;
    CZeltoPage7 m_Page7;

    int m_nUpdateMode;
    int m_nConnectState;
    CString m_strBootFile;
    CString m_strAplyFile;
    CString m_strFontFile;
    CString m_strUploadFile;
    BOOL m_bLogEnabled;
    CString m_strLogPath;
    CFont* m_pTitleFont;
};
