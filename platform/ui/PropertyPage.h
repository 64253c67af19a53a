// A wizard page on its dialog template. The sheet makes the page's window the first time it shows
// the page and asks the page before it moves: OnWizardNext/OnWizardBack return 0 for the adjacent
// page, -1 to stay (after the page may have chosen another page with SetActivePage).
#pragma once

#include "platform/ui/Wnd.h"

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    virtual BOOL OnSetActive() { return TRUE; }
    virtual BOOL OnQueryCancel() { return TRUE; }  // FALSE keeps the wizard open
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }

    const UINT m_nIDTemplate;  // the dialog template the page's window is made from
};
