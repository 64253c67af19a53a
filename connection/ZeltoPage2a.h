#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage2a : public CPropertyPage {
public:
    CZeltoPage2a();

    CZeltoSheet* m_pSheet = nullptr;
};
