#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage4Font : public CPropertyPage {
public:
    CZeltoPage4Font();

    CZeltoSheet* m_pSheet = nullptr;
};
