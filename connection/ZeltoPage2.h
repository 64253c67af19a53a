// Step 2 of the recovery modes: checks that the scale answers at its fixed recovery address.
#pragma once

#include "connection/ZeltoConnectPage.h"

class CZeltoPage2 : public CZeltoConnectPage {
public:
    CZeltoPage2();

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

protected:
    void OnCheckConnection() override;
    void UpdateControls() override;
};
