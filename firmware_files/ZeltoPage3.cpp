#include "firmware_files/ZeltoPage3.h"

#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage3::CZeltoPage3() : CZeltoSelectPage(IDD_SELECT_BOOT, ImageKind::BOOT, &CZeltoSheet::m_strBootFile) {}

LRESULT CZeltoPage3::OnWizardBack()
{
    // The BIOS is copied in recovery mode only, so Back passes over the test-mode connection page.
    m_pSheet->SetActivePage(&m_pSheet->m_Page2);
    return -1;
}
