// The first page: what the wizard is for, and which of the three operations to perform.
#pragma once

#include "platform/ui/MessageMap.h"
#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoIntro : public CPropertyPage {
public:
    CZeltoIntro();

    CZeltoSheet* m_pSheet = nullptr;

    BOOL OnSetActive() override;

protected:
    void OnModeBiosAply();
    void OnModeBiosFontAply();
    void OnModeAplyOnly();

    DECLARE_MESSAGE_MAP()
};
