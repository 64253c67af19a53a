#include "connection/ZeltoPage2.h"

#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage2::CZeltoPage2() : CZeltoConnectPage(IDD_CONNECT_RECOVERY) {}

BOOL CZeltoPage2::OnSetActive()
{
    ApplyTitleFont(m_pSheet, GetDlgItem(IDC_TITLE));
    UpdateControls();
    return CPropertyPage::OnSetActive();
}

void CZeltoPage2::UpdateControls()
{
    // The note comes with its frame here; the failure and success texts stand without it.
    ShowConnectState(TRUE);
}

void CZeltoPage2::OnCheckConnection()
{
    // The recovery address is fixed: the check uses g_szScaleAddress as the intro page set it.
    StartCheck();
}

LRESULT CZeltoPage2::OnWizardNext()
{
    // Next is enabled only once the scale has answered; the address-entry page is test mode's.
    m_pSheet->SetActivePage(&m_pSheet->m_Page3);
    return -1;
}
