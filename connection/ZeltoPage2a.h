// Step 2 of test mode: the operator types the scale's address and checks that it answers there.
// A result holds for the address that was checked: a changed address must be checked again.
#pragma once

#include "connection/ZeltoConnectPage.h"

class CZeltoPage2a : public CZeltoConnectPage {
public:
    CZeltoPage2a();

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    // The address in the control as text, or empty when a field is blank. When the numbers differ
    // from the stored address the connection state drops to "not checked" on the way.
    CString GetEnteredAddress();

protected:
    void OnCheckConnection() override;
    void UpdateControls() override;
};
