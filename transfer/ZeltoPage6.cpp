#include "transfer/ZeltoPage6.h"

#include "platform/sys/StringRes.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "transfer/FtpUploadThreads.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

// The application copy page writes no "Start FTP thread" line.
CZeltoPage6::CZeltoPage6() : CZeltoCopyPage(IDD_COPY_APLY, FtpAplyThread, FALSE) {}

void CZeltoPage6::UpdateTitle()
{
    if (CWnd* pTitle = GetDlgItem(IDC_TITLE)) {
        const UINT title = StringByMode(m_pSheet->m_nUpdateMode, IDS_COPY_APLY_TITLE_BIOS_APLY,
                                        IDS_COPY_APLY_TITLE_BIOS_FONT_APLY, IDS_COPY_APLY_TITLE_APLY_ONLY);
        pTitle->SetWindowText(LoadString(title).c_str());
    }
}
