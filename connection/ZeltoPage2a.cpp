#include "connection/ZeltoPage2a.h"

#include <cstdio>
#include <cstring>

#include "platform/sys/StringRes.h"
#include "platform/ui/IPAddressCtrl.h"
#include "platform/ui/MessageBox.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

namespace {
// The stored address as four numbers; FALSE when it does not read as four.
BOOL ParseStoredAddress(int numbers[4])
{
    return std::sscanf(g_szScaleAddress, "%d.%d.%d.%d", &numbers[0], &numbers[1], &numbers[2], &numbers[3]) == 4;
}

void StoreAddress(const CString& address)
{
    // The control gives at most 15 characters ("255.255.255.255"); never more than the buffer holds.
    std::strncpy(g_szScaleAddress, address.c_str(), sizeof(g_szScaleAddress) - 1);
    g_szScaleAddress[sizeof(g_szScaleAddress) - 1] = '\0';
}
}  // namespace

CZeltoPage2a::CZeltoPage2a() : CZeltoConnectPage(IDD_CONNECT_TEST) {}

CString CZeltoPage2a::GetEnteredAddress()
{
    CString result;
    auto* pAddress = static_cast<CIPAddressCtrl*>(GetDlgItem(IDC_SCALE_ADDRESS));
    if (pAddress == nullptr)
        return result;
    int stored[4] = {0, 0, 0, 0};
    const BOOL storedValid = ParseStoredAddress(stored);
    BYTE fields[4] = {0, 0, 0, 0};
    const int filled = pAddress->GetAddress(fields[0], fields[1], fields[2], fields[3]);
    if (filled == 4)
        result = FormatString("%d.%d.%d.%d", fields[0], fields[1], fields[2], fields[3]);
    // Whatever the count: different numbers mean the last check does not hold for them.
    bool differs = !storedValid;
    for (int i = 0; i < 4 && !differs; ++i)
        differs = fields[i] != stored[i];
    if (differs)
        m_pSheet->m_nConnectState = CONNECT_NOT_CHECKED;
    return result;
}

void CZeltoPage2a::UpdateControls()
{
    int stored[4] = {0, 0, 0, 0};
    CWnd* pAddress = GetDlgItem(IDC_SCALE_ADDRESS);
    if (pAddress != nullptr && ParseStoredAddress(stored))
        pAddress->SendMessage(IPM_SETADDRESS, 0, MAKEIPADDRESS(stored[0], stored[1], stored[2], stored[3]));
    // The frame stays on this page; only the texts inside it change.
    ShowConnectState(FALSE);
}

BOOL CZeltoPage2a::OnSetActive()
{
    ApplyTitleFont(m_pSheet, GetDlgItem(IDC_TITLE));
    UpdateControls();
    if (CWnd* pAddress = GetDlgItem(IDC_SCALE_ADDRESS))
        pAddress->SetFocus();
    return CPropertyPage::OnSetActive();
}

void CZeltoPage2a::OnCheckConnection()
{
    const CString address = GetEnteredAddress();
    if (address.empty()) {
        AfxMessageBox(IDS_INVALID_ADDRESS, MB_OK);
        return;
    }
    StoreAddress(address);
    StartCheck();
}

LRESULT CZeltoPage2a::OnWizardNext()
{
    const CString address = GetEnteredAddress();
    if (address != g_szScaleAddress) {
        StoreAddress(address);
        UpdateControls();
        AfxMessageBox(IDS_ADDRESS_CHANGED, MB_OK);
        return -1;
    }
    m_pSheet->SetActivePage(&m_pSheet->m_Page5);
    return -1;
}

LRESULT CZeltoPage2a::OnWizardBack()
{
    // Back over the fixed-address page, which test mode never visits.
    m_pSheet->SetActivePage(&m_pSheet->m_Page1);
    return -1;
}
