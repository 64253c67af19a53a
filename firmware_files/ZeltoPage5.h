// The APLY image selection page: the scale's application program, copied in every operation, so its
// step title and the page before it depend on the operation.
#pragma once

#include "firmware_files/ZeltoSelectPage.h"

class CZeltoPage5 : public CZeltoSelectPage {
public:
    CZeltoPage5();

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
};
