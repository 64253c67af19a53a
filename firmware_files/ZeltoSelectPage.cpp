#include "firmware_files/ZeltoSelectPage.h"

#include "firmware_files/PathShortener.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "resources/ControlIds.h"
#include "wizard/PageHelpers.h"
#include "wizard/ZeltoSheet.h"

namespace {

// The file name field shows at most this many bytes of the path.
constexpr unsigned kShownPathLimit = 40;

// The filter entry of S-record files in every page's filter.
constexpr DWORD kMotorolaFilterIndex = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CZeltoSelectPage, CPropertyPage)
    ON_BN_CLICKED(IDC_SELECT, &CZeltoSelectPage::OnSelect)
END_MESSAGE_MAP()

CZeltoSelectPage::CZeltoSelectPage(UINT nIDTemplate, ImageKind kind, CString CZeltoSheet::*pChosenFile)
    : CPropertyPage(nIDTemplate), m_kind(kind), m_pChosenFile(pChosenFile)
{
}

CString& CZeltoSelectPage::ChosenFile()
{
    return m_pSheet->*m_pChosenFile;
}

BOOL CZeltoSelectPage::OnSetActive()
{
    ApplyTitleFont(m_pSheet, GetDlgItem(IDC_SELECT_TITLE));
    ShowFileName();

    // Back and Next whatever was chosen: Next itself decides whether the page may be left.
    m_pSheet->PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CZeltoSelectPage::OnWizardNext()
{
    if (!m_bMotFile) {
        // A binary image is sent from where it lies; a missing file shows as a failed upload.
        m_pSheet->m_strUploadFile = ChosenFile();
        return CPropertyPage::OnWizardNext();
    }
    // An S-record image is converted afresh on every Next; the conversion has told the operator why
    // the page stays.
    if (!m_pSheet->ConvertMotToBin(ChosenFile(), m_kind))
        return -1;
    return CPropertyPage::OnWizardNext();
}

void CZeltoSelectPage::OnSelect()
{
    const ImageNames& names = NamesOf(m_kind);
    CFileDialog dialog(TRUE, "mot", ChosenFile().c_str(), OFN_PATHMUSTEXIST, names.pszFilter, nullptr);
    if (dialog.DoModal() != IDOK)
        return;

    // Sending an image of another kind would disable the scale: only the image's own name passes.
    if (MakeUpper(dialog.GetFileTitle()) != names.pszFileTitle) {
        AfxMessageBox(names.nIDWrongName, MB_OK);
        return;
    }

    // The Motorola filter, or a MOT extension under any filter, makes it an S-record image; every
    // other extension, or none, counts as binary.
    m_bMotFile = dialog.m_ofn.nFilterIndex == kMotorolaFilterIndex || MakeUpper(dialog.GetFileExt()) == "MOT";
    ChosenFile() = dialog.GetPathName();
    ShowFileName();
}

void CZeltoSelectPage::ShowFileName()
{
    CWnd* pFileName = GetDlgItem(IDC_FILE_NAME);
    if (pFileName == nullptr)
        return;
    char szShown[48];
    pFileName->SetWindowText(ShortenPath(szShown, ChosenFile().c_str(), kShownPathLimit));
}
