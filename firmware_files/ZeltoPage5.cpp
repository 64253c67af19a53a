#include "firmware_files/ZeltoPage5.h"

#include "platform/sys/StringRes.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage5::CZeltoPage5() : CZeltoSelectPage(IDD_SELECT_APLY, ImageKind::APLY, &CZeltoSheet::m_strAplyFile) {}

BOOL CZeltoPage5::OnSetActive()
{
    // The step number depends on how many steps came before in this operation.
    const UINT nIDTitle = StringByMode(m_pSheet->m_nUpdateMode, IDS_SELECT_APLY_TITLE_BIOS_APLY,
                                       IDS_SELECT_APLY_TITLE_BIOS_FONT_APLY, IDS_SELECT_APLY_TITLE_APLY_ONLY);
    if (CWnd* pTitle = GetDlgItem(IDC_SELECT_TITLE))
        pTitle->SetWindowText(LoadString(nIDTitle).c_str());
    return CZeltoSelectPage::OnSetActive();
}

LRESULT CZeltoPage5::OnWizardBack()
{
    // Back to the page that came before in this operation: the BIOS copy, the address entry, or (with
    // the font) the font copy that stands just before in the sheet's order.
    if (m_pSheet->m_nUpdateMode == MODE_BIOS_APLY) {
        m_pSheet->SetActivePage(&m_pSheet->m_Page4);
        return -1;
    }
    if (m_pSheet->m_nUpdateMode == MODE_APLY_ONLY) {
        m_pSheet->SetActivePage(&m_pSheet->m_Page2a);
        return -1;
    }
    return CZeltoSelectPage::OnWizardBack();
}
