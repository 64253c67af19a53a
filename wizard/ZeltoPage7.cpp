#include "wizard/ZeltoPage7.h"

#include "platform/sys/StringRes.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage7::CZeltoPage7() : CPropertyPage(IDD_COMPLETE) {}

BOOL CZeltoPage7::OnSetActive()
{
    CWnd* pTitle = GetDlgItem(IDC_TITLE);
    ApplyTitleFont(m_pSheet, pTitle);
    if (pTitle != nullptr) {
        const UINT title = StringByMode(m_pSheet->m_nUpdateMode, IDS_COMPLETE_TITLE_BIOS_APLY,
                                        IDS_COMPLETE_TITLE_BIOS_FONT_APLY, IDS_COMPLETE_TITLE_APLY_ONLY);
        pTitle->SetWindowText(LoadString(title).c_str());
    }
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}
