// What the three copy-and-confirm pages share: arriving without a result starts the page's upload
// worker; while it runs the operator can leave by no means; its result shows either how to confirm
// the new program at the scale or the error with Retry.
#pragma once

#include "platform/ui/MessageMap.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/Thread.h"
#include "transfer/UpdateLog.h"
#include "transfer/UploadProgress.h"

class CZeltoSheet;

// Posted by an upload worker to its page: wParam is the send's result (nonzero stored), lParam 0.
constexpr UINT WM_FTP_COMPLETE = WM_USER + 11;
// Posted by an upload worker from the start of its attempt, at least about once a second: wParam is
// the bytes that have reached the scale so far, lParam the milliseconds since the attempt began.
constexpr UINT WM_UPLOAD_PROGRESS = WM_USER + 12;
// Posted by an upload worker before it stores: wParam is the size of the file in bytes, lParam 0.
constexpr UINT WM_UPLOAD_TOTAL = WM_USER + 13;
// Posted by an upload worker when the scale answered: wParam 0, lParam the milliseconds since the
// attempt began.
constexpr UINT WM_UPLOAD_HEARD = WM_USER + 14;

class CZeltoCopyPage : public CPropertyPage {
public:
    // bLogStart: whether arriving on the page logs "Start FTP thread" before the upload.
    CZeltoCopyPage(UINT nIDTemplate, AFX_THREADPROC pfnWorker, BOOL bLogStart);

    CZeltoSheet* m_pSheet = nullptr;
    BOOL m_bCopyDone = FALSE;  // a result for the current upload has arrived
    BOOL m_bCopyOK = FALSE;    // that result; read only while m_bCopyDone is TRUE
    CString m_strError;        // the last failure's text, written by the worker before it posts
    BOOL m_bCopying = FALSE;   // a worker started by this page has not reported yet

    BOOL OnSetActive() override;
    BOOL OnQueryCancel() override;
    LRESULT OnWizardBack() override;

    // What the upload worker reads of the sheet: the file to send, and the log it writes to.
    const CString& UploadFile() const;
    CUpdateLog UpdateLog() const;

protected:
    LRESULT OnFtpComplete(WPARAM wParam, LPARAM lParam);
    LRESULT OnUploadTotal(WPARAM wParam, LPARAM lParam);
    LRESULT OnUploadProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnUploadHeard(WPARAM wParam, LPARAM lParam);
    void OnRetry();
    void UpdateControls();

    // Sets the step title when it depends on the mode; the template's title stays otherwise.
    virtual void UpdateTitle() {}
    // Runs once a result has been handled, whatever it was.
    virtual void OnCopyEnded() {}

    DECLARE_MESSAGE_MAP()

private:
    void StartUpload();
    // The progress bar and its line as the reports so far have it.
    void ShowProgress();

    AFX_THREADPROC m_pfnWorker;
    BOOL m_bLogStart;
    CUploadProgress m_progress;
};
