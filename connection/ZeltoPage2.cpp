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
    const int state = m_pSheet->m_nConnectState;
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, state == CONNECT_OK ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);

    CWnd* pConnected = GetDlgItem(IDC_CONNECTED_TEXT);
    CWnd* pFailed = GetDlgItem(IDC_CONNECT_FAILED_TEXT);
    CWnd* pNote = GetDlgItem(IDC_CONNECT_NOTE);
    CWnd* pFrame = GetDlgItem(IDC_CONNECT_FRAME);
    if (pConnected != nullptr && pFailed != nullptr && pNote != nullptr && pFrame != nullptr) {
        // One text at a time in the area under the button; the note comes with its frame.
        if (state == CONNECT_NOT_CHECKED || state == CONNECT_FAILED || state == CONNECT_OK) {
            pConnected->ShowWindow(state == CONNECT_OK ? SW_SHOW : SW_HIDE);
            pFailed->ShowWindow(state == CONNECT_FAILED ? SW_SHOW : SW_HIDE);
            pNote->ShowWindow(state == CONNECT_NOT_CHECKED ? SW_SHOW : SW_HIDE);
            pFrame->ShowWindow(state == CONNECT_NOT_CHECKED ? SW_SHOW : SW_HIDE);
        }
    }
    if (CWnd* pChecking = GetDlgItem(IDC_CHECKING_TEXT))
        pChecking->ShowWindow(SW_HIDE);
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
