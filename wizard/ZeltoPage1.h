// Step 1: how to reboot the scale into recovery mode, or into test mode for the application-only
// operation.
#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage1 : public CPropertyPage {
public:
    CZeltoPage1();

    CZeltoSheet* m_pSheet = nullptr;

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
};
