#include "transfer/ZeltoCopyPage.h"

#include <algorithm>

#include "platform/ui/MessageBox.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

BEGIN_MESSAGE_MAP(CZeltoCopyPage, CPropertyPage)
ON_BN_CLICKED(IDC_RETRY, &CZeltoCopyPage::OnRetry)
ON_MESSAGE(WM_FTP_COMPLETE, &CZeltoCopyPage::OnFtpComplete)
ON_MESSAGE(WM_UPLOAD_TOTAL, &CZeltoCopyPage::OnUploadTotal)
ON_MESSAGE(WM_UPLOAD_PROGRESS, &CZeltoCopyPage::OnUploadProgress)
ON_MESSAGE(WM_UPLOAD_HEARD, &CZeltoCopyPage::OnUploadHeard)
END_MESSAGE_MAP()

CZeltoCopyPage::CZeltoCopyPage(UINT nIDTemplate, AFX_THREADPROC pfnWorker, BOOL bLogStart)
    : CPropertyPage(nIDTemplate), m_pfnWorker(pfnWorker), m_bLogStart(bLogStart)
{
}

BOOL CZeltoCopyPage::OnSetActive()
{
    ApplyTitleFont(m_pSheet, GetDlgItem(IDC_TITLE));
    UpdateTitle();
    UpdateControls();
    // A page that holds a result shows it again and sends nothing.
    if (!m_bCopyDone) {
        m_bCopying = TRUE;
        if (m_bLogStart)
            m_pSheet->WriteLog("Start FTP thread");
        StartUpload();
    }
    return CPropertyPage::OnSetActive();
}

const CString& CZeltoCopyPage::UploadFile() const
{
    return m_pSheet->m_strUploadFile;
}

CUpdateLog CZeltoCopyPage::UpdateLog() const
{
    return CUpdateLog(m_pSheet->m_strLogPath, m_pSheet->m_bLogEnabled);
}

void CZeltoCopyPage::StartUpload()
{
    // Every upload starts with an empty bar and no figures until its worker reports.
    m_progress.Start();
    ShowProgress();
    if (AfxBeginThread(m_pfnWorker, this) == nullptr) {
        // Without a worker no result would ever arrive and the page would stay locked for good:
        // report a failed upload through the message the worker would have posted.
        m_strError = "FTP file copy error! The upload could not be started.";
        PostMessage(WM_FTP_COMPLETE, 0, 0);
    }
}

void CZeltoCopyPage::UpdateControls()
{
    const bool uploading = !m_bCopyDone;
    const bool copied = m_bCopyDone && m_bCopyOK;
    const bool failed = m_bCopyDone && !m_bCopyOK;
    const struct {
        int id;
        bool shown;
    } controls[] = {{IDC_COPYING_TEXT, uploading}, {IDC_COPY_PROGRESS, uploading}, {IDC_COPY_PROGRESS_TEXT, uploading},
                    {IDC_NEXT_HINT, copied},       {IDC_COPIED_TEXT, copied},      {IDC_RETRY, failed},
                    {IDC_COPY_FAILED_TEXT, failed}};
    for (const auto& control : controls) {
        if (CWnd* pControl = GetDlgItem(control.id))
            pControl->ShowWindow(control.shown ? SW_SHOW : SW_HIDE);
    }
    const LPARAM buttons = uploading ? 0 : copied ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK;
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, buttons);
}

LRESULT CZeltoCopyPage::OnFtpComplete(WPARAM wParam, LPARAM)
{
    m_bCopying = FALSE;
    m_bCopyOK = static_cast<BOOL>(wParam);
    m_bCopyDone = TRUE;
    m_pSheet->WriteLog("FTP thread complete");
    if (!m_bCopyOK) {
        // Until the operator closes the box the page still shows its uploading state.
        m_pSheet->WriteLog(m_strError);
        AfxMessageBox(m_strError.c_str(), MB_OK, 0);
    }
    UpdateControls();
    OnCopyEnded();
    return 0;
}

LRESULT CZeltoCopyPage::OnUploadTotal(WPARAM wParam, LPARAM)
{
    m_progress.SetTotal(wParam);
    ShowProgress();
    return 0;
}

LRESULT CZeltoCopyPage::OnUploadProgress(WPARAM wParam, LPARAM lParam)
{
    m_progress.Report(wParam, static_cast<ULONGLONG>(lParam));
    ShowProgress();
    return 0;
}

LRESULT CZeltoCopyPage::OnUploadHeard(WPARAM, LPARAM lParam)
{
    m_progress.Heard(static_cast<ULONGLONG>(lParam));
    ShowProgress();
    return 0;
}

void CZeltoCopyPage::ShowProgress()
{
    // The line first, then the bar: whoever sees the bar move reads the line of the same report.
    if (CWnd* pText = GetDlgItem(IDC_COPY_PROGRESS_TEXT))
        pText->SetWindowText(m_progress.Text().c_str());
    if (CWnd* pBar = GetDlgItem(IDC_COPY_PROGRESS)) {
        // The bar counts in an int: a file beyond its range is counted in larger steps.
        const ULONGLONG unit = 1 + m_progress.Total() / 0x7FFFFFFF;
        pBar->SendMessage(PBM_SETRANGE32, 0, static_cast<LPARAM>(std::max<ULONGLONG>(m_progress.Total() / unit, 1)));
        pBar->SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_progress.Sent() / unit), 0);
    }
}

void CZeltoCopyPage::OnRetry()
{
    m_bCopyDone = FALSE;
    UpdateControls();
    m_bCopying = TRUE;
    StartUpload();
}

BOOL CZeltoCopyPage::OnQueryCancel()
{
    // The worker reports to this page: the wizard must not close under it.
    if (m_bCopying) {
        AfxMessageBox(IDS_WAIT_FOR_SCALE, MB_OK);
        return FALSE;
    }
    return CPropertyPage::OnQueryCancel();
}

LRESULT CZeltoCopyPage::OnWizardBack()
{
    // Coming back later sends the file again.
    m_bCopyDone = FALSE;
    return CPropertyPage::OnWizardBack();
}
