#include "connection/ZeltoConnectPage.h"

#include "connection/CheckConnectionThread.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Thread.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"

BEGIN_MESSAGE_MAP(CZeltoConnectPage, CPropertyPage)
ON_BN_CLICKED(IDC_CHECK_CONNECTION, &CZeltoConnectPage::OnCheckConnection)
ON_MESSAGE(WM_CHECK_RESULT, &CZeltoConnectPage::OnCheckResult)
END_MESSAGE_MAP()

CZeltoConnectPage::CZeltoConnectPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

void CZeltoConnectPage::StartCheck()
{
    CWnd* pConnected = GetDlgItem(IDC_CONNECTED_TEXT);
    CWnd* pFailed = GetDlgItem(IDC_CONNECT_FAILED_TEXT);
    CWnd* pChecking = GetDlgItem(IDC_CHECKING_TEXT);
    CWnd* pCheckButton = GetDlgItem(IDC_CHECK_CONNECTION);
    if (pConnected != nullptr && pFailed != nullptr && pChecking != nullptr && pCheckButton != nullptr) {
        pConnected->ShowWindow(SW_HIDE);
        pFailed->ShowWindow(SW_HIDE);
        if (CWnd* pNote = GetDlgItem(IDC_CONNECT_NOTE))
            pNote->ShowWindow(SW_HIDE);
        pChecking->ShowWindow(SW_SHOW);
        pCheckButton->EnableWindow(FALSE);
    }
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, 0);
    m_bChecking = TRUE;
    if (AfxBeginThread(CheckConnectionThread, this) == nullptr) {
        // Without a worker no result would ever come and the page would stay locked: report the
        // check as failed, through the same result message the worker would have posted.
        m_strError = LoadString(IDS_CONNECT_ERROR_PREFIX) + "the connection check could not be started.";
        PostMessage(WM_CHECK_RESULT, CONNECT_FAILED, 0);
    }
}

void CZeltoConnectPage::ShowConnectState(BOOL bFrameWithNote)
{
    const int state = m_pSheet->m_nConnectState;
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, state == CONNECT_OK ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);

    CWnd* pConnected = GetDlgItem(IDC_CONNECTED_TEXT);
    CWnd* pFailed = GetDlgItem(IDC_CONNECT_FAILED_TEXT);
    CWnd* pNote = GetDlgItem(IDC_CONNECT_NOTE);
    CWnd* pFrame = bFrameWithNote ? GetDlgItem(IDC_CONNECT_FRAME) : nullptr;
    const bool known = state == CONNECT_NOT_CHECKED || state == CONNECT_FAILED || state == CONNECT_OK;
    if (pConnected != nullptr && pFailed != nullptr && pNote != nullptr && (pFrame != nullptr || !bFrameWithNote) &&
        known) {
        // One text at a time in the area under the button.
        pConnected->ShowWindow(state == CONNECT_OK ? SW_SHOW : SW_HIDE);
        pFailed->ShowWindow(state == CONNECT_FAILED ? SW_SHOW : SW_HIDE);
        pNote->ShowWindow(state == CONNECT_NOT_CHECKED ? SW_SHOW : SW_HIDE);
        if (pFrame != nullptr)
            pFrame->ShowWindow(state == CONNECT_NOT_CHECKED ? SW_SHOW : SW_HIDE);
    }
    if (CWnd* pChecking = GetDlgItem(IDC_CHECKING_TEXT))
        pChecking->ShowWindow(SW_HIDE);
}

LRESULT CZeltoConnectPage::OnCheckResult(WPARAM wParam, LPARAM)
{
    m_bChecking = FALSE;
    m_pSheet->m_nConnectState = static_cast<int>(wParam);
    // While the error box is open the page still shows the wait text with its buttons disabled.
    if (wParam != CONNECT_OK)
        AfxMessageBox(m_strError.c_str(), MB_OK, 0);
    UpdateControls();
    if (CWnd* pCheckButton = GetDlgItem(IDC_CHECK_CONNECTION))
        pCheckButton->EnableWindow(TRUE);
    return 0;
}

BOOL CZeltoConnectPage::OnQueryCancel()
{
    // The worker reports to this page: the wizard must not close under it.
    if (m_bChecking) {
        AfxMessageBox(IDS_WAIT_FOR_SCALE, MB_OK);
        return FALSE;
    }
    return CPropertyPage::OnQueryCancel();
}
