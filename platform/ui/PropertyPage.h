// A wizard page on its dialog template. The sheet creates the page's window the first time it shows
// the page and asks the page before it moves: OnWizardNext/OnWizardBack return 0 for the adjacent
// page, -1 to stay (after the page may have chosen another page with SetActivePage).
#pragma once

#include "platform/ui/Wnd.h"

class CPropertySheet;

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    UINT GetTemplateID() const { return m_nIDTemplate; }

private:
    friend class CPropertySheet;
    UINT m_nIDTemplate;
};
