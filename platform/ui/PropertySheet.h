// The property sheet in wizard mode: pages in the order they were added, Back, Next, Finish and
// Cancel driven by PSM_SETWIZBUTTONS, and Cancel, the close button and Escape all asking the active
// page's OnQueryCancel.
#pragma once

#include <vector>

#include "platform/ui/PropertyPage.h"

struct PROPSHEETHEADER {
    DWORD dwFlags = 0;
};

class CPropertySheet : public CWnd {
public:
    CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }

    // Shows the sheet and runs its modal loop until Finish or Cancel: ID_WIZFINISH or IDCANCEL.
    std::intptr_t DoModal();
    // Creates and shows the sheet without a modal loop (a modeless wizard).
    BOOL Create();
    void DestroyWindow();

    // The buttons as the sheet shows them now (after posted PSM_SETWIZBUTTONS have arrived).
    LPARAM GetWizardButtons() const { return m_wizButtons; }

    PROPSHEETHEADER m_psh;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PressBack();
    void PressNext();
    void PressFinish();
    void RequestCancel();
    void EndDialog(int nResult);

    UINT m_nIDCaption;
    UINT m_nStartPage;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    LPARAM m_wizButtons = PSWIZB_BACK | PSWIZB_NEXT;
    bool m_bModal = false;
    bool m_bEnded = false;
    int m_nResult = 0;
};
