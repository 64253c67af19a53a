#include "firmware_files/ZeltoPage3Font.h"

#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"

namespace {
const CZeltoSelectPage::SelectKind kFontImage = {
    IDD_SELECT_FONT,
    ImageKind::FONT,
    "FONT",
    IDS_WRONG_FONT_NAME,
    "Binary Format Files (FONT.bin) |FONT.bin|Motorola Format Files (FONT.mot) |FONT.mot||",
    &CZeltoSheet::m_strFontFile,
};
}  // namespace

CZeltoPage3Font::CZeltoPage3Font() : CZeltoSelectPage(kFontImage) {}

LRESULT CZeltoPage3Font::OnWizardBack()
{
    // Back to the reboot page before it, as the sheet's order has it.
    return CZeltoSelectPage::OnWizardBack();
}
