// Copies the BOOT image to the scale and tells the operator how to confirm it.
#pragma once

#include "transfer/ZeltoCopyPage.h"

class CZeltoPage4 : public CZeltoCopyPage {
public:
    CZeltoPage4();

    LRESULT OnWizardNext() override;

protected:
    void OnCopyEnded() override;
};
