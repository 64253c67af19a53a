// The BOOT image selection page: the scale's BIOS program.
#pragma once

#include "firmware_files/ZeltoSelectPage.h"

class CZeltoPage3 : public CZeltoSelectPage {
public:
    CZeltoPage3();

    LRESULT OnWizardBack() override;
};
