// What the three image selection pages have in common: each shows the image file about to be sent,
// lets the operator choose another file with the image's own name, and on Next hands a binary image
// on as it is or has an S-record image converted first. The pages differ in their template, their
// image kind (whose names say which file passes) and the sheet member that holds their choice.
#pragma once

#include "common/ImageKind.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoSelectPage : public CPropertyPage {
public:
    // pChosenFile: the sheet's member that holds this page's chosen file.
    CZeltoSelectPage(UINT nIDTemplate, ImageKind kind, CString CZeltoSheet::*pChosenFile);

    CZeltoSheet* m_pSheet = nullptr;
    BOOL m_bMotFile = FALSE;  // the chosen file is an S-record image, converted on every Next

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    void OnSelect();
    void ShowFileName();

protected:
    // The chosen file: the sheet's member of this page's image.
    CString& ChosenFile();

    DECLARE_MESSAGE_MAP()

private:
    ImageKind m_kind;
    CString CZeltoSheet::*m_pChosenFile;
};
