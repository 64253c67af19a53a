// What the two Step 2 pages share: the connection check that runs on a worker thread, its result,
// and the refusal of Cancel while it runs. The fixed-address page and the typed-address page differ
// only in how they start a check, show their state and leave.
#pragma once

#include "platform/ui/MessageMap.h"
#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

// Posted by the connection check to its page: wParam is the new connection state, lParam 0.
constexpr UINT WM_CHECK_RESULT = WM_USER + 10;

class CZeltoConnectPage : public CPropertyPage {
public:
    explicit CZeltoConnectPage(UINT nIDTemplate);

    CZeltoSheet* m_pSheet = nullptr;
    CString m_strError;        // the last failed check's text, written by the worker
    BOOL m_bChecking = FALSE;  // from the start of a check until its result has been handled

    BOOL OnQueryCancel() override;

protected:
    virtual void OnCheckConnection() = 0;
    virtual void UpdateControls() = 0;
    LRESULT OnCheckResult(WPARAM wParam, LPARAM lParam);
    // Shows the wait text, disables the buttons and starts the worker on g_szScaleAddress.
    void StartCheck();
    // Posts the wizard buttons of the connection state and shows its one text (success, failure
    // or the note); bFrameWithNote: the frame comes and goes with the note (the fixed-address page).
    void ShowConnectState(BOOL bFrameWithNote);

    DECLARE_MESSAGE_MAP()
};
