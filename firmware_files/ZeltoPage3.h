// The BOOT image selection page.
#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage3 : public CPropertyPage {
public:
    CZeltoPage3();

    CZeltoSheet* m_pSheet = nullptr;
};
