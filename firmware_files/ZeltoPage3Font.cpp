#include "firmware_files/ZeltoPage3Font.h"

#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage3Font::CZeltoPage3Font() : CZeltoSelectPage(IDD_SELECT_FONT, ImageKind::FONT, &CZeltoSheet::m_strFontFile) {}

LRESULT CZeltoPage3Font::OnWizardBack()
{
    // Back to the reboot page before it, as the sheet's order has it.
    return CZeltoSelectPage::OnWizardBack();
}
