#include "firmware_files/ZeltoPage3.h"

#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"

namespace {
const CZeltoSelectPage::SelectKind kBootImage = {
    IDD_SELECT_BOOT,
    ImageKind::BOOT,
    "BOOT",
    IDS_WRONG_BOOT_NAME,
    "Binary Format Files (BOOT.bin) |BOOT.bin|Motorola Format Files (BOOT.mot) |BOOT.mot||",
    &CZeltoSheet::m_strBootFile,
};
}  // namespace

CZeltoPage3::CZeltoPage3() : CZeltoSelectPage(kBootImage) {}

LRESULT CZeltoPage3::OnWizardBack()
{
    // The BIOS is copied in recovery mode only, so Back passes over the test-mode connection page.
    m_pSheet->SetActivePage(&m_pSheet->m_Page2);
    return -1;
}
