#include "wizard/ZeltoPage4aFont.h"

#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage4aFont::CZeltoPage4aFont() : CPropertyPage(IDD_REBOOT_FONT) {}

BOOL CZeltoPage4aFont::OnSetActive()
{
    ApplyTitleFont(m_pSheet, GetDlgItem(IDC_TITLE));
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}
