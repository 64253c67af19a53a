#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage6 : public CPropertyPage {
public:
    CZeltoPage6();

    CZeltoSheet* m_pSheet = nullptr;
};
