// The APLY image selection page.
#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage5 : public CPropertyPage {
public:
    CZeltoPage5();

    CZeltoSheet* m_pSheet = nullptr;
};
