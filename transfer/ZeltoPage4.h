#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage4 : public CPropertyPage {
public:
    CZeltoPage4();

    CZeltoSheet* m_pSheet = nullptr;
};
