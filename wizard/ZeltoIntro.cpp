#include "wizard/ZeltoIntro.h"

#include <cstring>

#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

BEGIN_MESSAGE_MAP(CZeltoIntro, CPropertyPage)
ON_BN_CLICKED(IDC_MODE_BIOS_APLY, &CZeltoIntro::OnModeBiosAply)
ON_BN_CLICKED(IDC_MODE_BIOS_FONT_APLY, &CZeltoIntro::OnModeBiosFontAply)
ON_BN_CLICKED(IDC_MODE_APLY_ONLY, &CZeltoIntro::OnModeAplyOnly)
END_MESSAGE_MAP()

CZeltoIntro::CZeltoIntro() : CPropertyPage(IDD_INTRO) {}

BOOL CZeltoIntro::OnSetActive()
{
    CWnd* pTitle = GetDlgItem(IDC_TITLE);
    CWnd* pBiosAply = GetDlgItem(IDC_MODE_BIOS_APLY);
    CWnd* pAplyOnly = GetDlgItem(IDC_MODE_APLY_ONLY);
    CWnd* pBiosFontAply = GetDlgItem(IDC_MODE_BIOS_FONT_APLY);

    // The page always shows the sheet's mode, whatever the buttons showed before.
    if (pBiosAply != nullptr && pAplyOnly != nullptr && pBiosFontAply != nullptr) {
        const int mode = m_pSheet->m_nUpdateMode;
        pBiosAply->SendMessage(BM_SETCHECK, mode == MODE_BIOS_APLY ? 1 : 0, 0);
        pBiosFontAply->SendMessage(BM_SETCHECK, mode == MODE_BIOS_FONT_APLY ? 1 : 0, 0);
        pAplyOnly->SendMessage(BM_SETCHECK, mode == MODE_APLY_ONLY ? 1 : 0, 0);
    }

    // The first activation makes the enlarged title font that every page then uses.
    m_pSheet->CreateTitleFont(pTitle);
    ApplyTitleFont(m_pSheet, pTitle);

    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

// Choosing an operation sets the scale's default address for it; the connection state, the image
// paths and the other pages keep what they hold.
void CZeltoIntro::OnModeBiosAply()
{
    m_pSheet->m_nUpdateMode = MODE_BIOS_APLY;
    std::strcpy(g_szScaleAddress, "192.168.10.1");
}

void CZeltoIntro::OnModeBiosFontAply()
{
    m_pSheet->m_nUpdateMode = MODE_BIOS_FONT_APLY;
    std::strcpy(g_szScaleAddress, "192.168.10.1");
}

void CZeltoIntro::OnModeAplyOnly()
{
    m_pSheet->m_nUpdateMode = MODE_APLY_ONLY;
    std::strcpy(g_szScaleAddress, "0.0.0.0");
}
