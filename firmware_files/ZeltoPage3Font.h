// The FONT image selection page.
#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage3Font : public CPropertyPage {
public:
    CZeltoPage3Font();

    CZeltoSheet* m_pSheet = nullptr;
};
