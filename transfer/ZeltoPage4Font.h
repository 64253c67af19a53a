// Copies the FONT image to the scale and tells the operator how to confirm it.
#pragma once

#include "transfer/ZeltoCopyPage.h"

class CZeltoPage4Font : public CZeltoCopyPage {
public:
    CZeltoPage4Font();
};
