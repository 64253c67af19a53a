#include "wizard/ZeltoPage1.h"

#include "platform/sys/StringRes.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage1::CZeltoPage1() : CPropertyPage(IDD_REBOOT) {}

BOOL CZeltoPage1::OnSetActive()
{
    ApplyTitleFont(m_pSheet, GetDlgItem(IDC_TITLE));

    // The texts are set on every activation, so a change of operation always shows its own steps.
    const bool testMode = m_pSheet->m_nUpdateMode == MODE_APLY_ONLY;
    const UINT texts[] = {
        testMode ? IDS_REBOOT_TEST_TITLE : IDS_REBOOT_RECOVERY_TITLE,
        testMode ? IDS_REBOOT_TEST_STEP1 : IDS_REBOOT_RECOVERY_STEP1,
        testMode ? IDS_REBOOT_TEST_STEP2 : IDS_REBOOT_RECOVERY_STEP2,
        testMode ? IDS_REBOOT_TEST_STEP3 : IDS_REBOOT_RECOVERY_STEP3,
    };
    const int controls[] = {IDC_TITLE, IDC_INSTRUCTION_1, IDC_INSTRUCTION_2, IDC_INSTRUCTION_3};
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        if (CWnd* pControl = GetDlgItem(controls[i]))
            pControl->SetWindowText(LoadString(texts[i]).c_str());
    }

    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CZeltoPage1::OnWizardNext()
{
    // Test mode has the scale's address typed on its own connection page.
    if (m_pSheet->m_nUpdateMode == MODE_APLY_ONLY) {
        m_pSheet->SetActivePage(&m_pSheet->m_Page2a);
        return -1;
    }
    return CPropertyPage::OnWizardNext();
}
