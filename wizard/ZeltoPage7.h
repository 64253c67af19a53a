// The completion page: how to return the scale to normal use.
#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage7 : public CPropertyPage {
public:
    CZeltoPage7();

    CZeltoSheet* m_pSheet = nullptr;

    BOOL OnSetActive() override;
};
