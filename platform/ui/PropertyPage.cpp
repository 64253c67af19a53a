#include "platform/ui/PropertyPage.h"

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : m_nIDTemplate(nIDTemplate), m_nIDCaption(nIDCaption) {}

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
