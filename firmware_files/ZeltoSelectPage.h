// What the three image selection pages have in common: each shows the image file about to be sent,
// lets the operator choose another file with the image's own name, and on Next hands a binary image
// on as it is or has an S-record image converted first. The pages differ only in their SelectKind.
#pragma once

#include "common/ImageKind.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/PropertyPage.h"

class CZeltoSheet;

class CZeltoSelectPage : public CPropertyPage {
public:
    struct SelectKind {
        UINT nIDTemplate;
        ImageKind kind;
        const char* pszFileTitle;         // the only file title accepted, upper case ("BOOT")
        UINT nIDWrongName;                // the message for any other file title
        const char* pszFilter;            // the file dialog's filter: binary first, S-record second
        CString CZeltoSheet::*pPathFile;  // the sheet's member that holds the chosen file
    };

    explicit CZeltoSelectPage(const SelectKind& kind);

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
    const SelectKind& m_kind;
};
