#include "platform/ui/PropertyPage.h"

// The caption always comes from the template: the wizard shows the sheet's caption anyway.
CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT) : m_nIDTemplate(nIDTemplate) {}

CPropertyPage::~CPropertyPage() = default;

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}
