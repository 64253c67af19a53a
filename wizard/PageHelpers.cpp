#include "wizard/PageHelpers.h"

#include "wizard/ZeltoSheet.h"

void ApplyTitleFont(const CZeltoSheet* pSheet, CWnd* pTitle)
{
    if (pSheet->m_pTitleFont != nullptr && pTitle != nullptr)
        pTitle->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(*pSheet->m_pTitleFont)), TRUE);
}

UINT StringByMode(int nMode, UINT nMode0, UINT nMode1, UINT nMode2)
{
    if (nMode == MODE_BIOS_APLY)
        return nMode0;
    if (nMode == MODE_APLY_ONLY)
        return nMode2;
    return nMode1;
}
