// The FONT image selection page: the scale's font data.
#pragma once

#include "firmware_files/ZeltoSelectPage.h"

class CZeltoPage3Font : public CZeltoSelectPage {
public:
    CZeltoPage3Font();

    LRESULT OnWizardBack() override;
};
