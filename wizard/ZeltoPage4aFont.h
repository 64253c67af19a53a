// The font operation's reminder to reboot the scale into recovery mode again after the BOOT copy.
#pragma once

#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoPage4aFont : public CPropertyPage {
public:
    CZeltoPage4aFont();

    CZeltoSheet* m_pSheet = nullptr;

    BOOL OnSetActive() override;
};
