// The property sheet in wizard mode: pages in the order they were added, Back, Next, Finish and
// Cancel driven by PSM_SETWIZBUTTONS, and Cancel, the close button and Escape all asking the active
// page's OnQueryCancel.
#pragma once

#include <vector>

#include "platform/ui/PropertyPage.h"

struct PROPSHEETHEADER {
    DWORD dwFlags = 0;  // PSH_WIZARD; the sheet is a wizard in any case
};

class CPropertySheet : public CWnd {
public:
    // The caption is a string resource. The sheet starts at its first page, the only start there is.
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    // Shows the sheet and runs its modal loop until Finish or Cancel: ID_WIZFINISH or IDCANCEL.
    std::intptr_t DoModal();
    // Shows the sheet without a modal loop; Finish and Cancel hide it.
    BOOL Create();
    // Destroys the windows of the sheet and its pages.
    void DestroyWindow();

    PROPSHEETHEADER m_psh;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void CreateSheetWindow();
    BOOL Activate(int nPage);
    void OnButton(LPARAM button);
    void OnCancel();
    void EndDialog(int nResult);

    UINT m_nIDCaption;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    LPARAM m_wizButtons = PSWIZB_BACK | PSWIZB_NEXT;
};
