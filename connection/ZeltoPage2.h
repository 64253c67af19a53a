#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage2 : public CPropertyPage {
public:
    CZeltoPage2();

    CZeltoSheet* m_pSheet = nullptr;
};
