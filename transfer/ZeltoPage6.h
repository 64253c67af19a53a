// Copies the APLY image to the scale and tells the operator how to confirm it; its step number
// depends on the operation.
#pragma once

#include "transfer/ZeltoCopyPage.h"

class CZeltoPage6 : public CZeltoCopyPage {
public:
    CZeltoPage6();

protected:
    void UpdateTitle() override;
};
