#include "transfer/ZeltoPage4.h"

#include "common/FindLastChar.h"
#include "common/ImageKind.h"
#include "common/PathSeparator.h"
#include "resources/ResourceIds.h"
#include "transfer/FtpUploadThreads.h"
#include "wizard/ZeltoSheet.h"

CZeltoPage4::CZeltoPage4() : CZeltoCopyPage(IDD_COPY_BOOT, FtpBootThread, TRUE) {}

void CZeltoPage4::OnCopyEnded()
{
    // The application image is looked for beside the BOOT image just sent, whether or not it arrived.
    const CString& boot = m_pSheet->m_strBootFile;
    const auto folderLength = static_cast<std::size_t>(FindLastChar(boot.c_str(), kPathSeparator));
    m_pSheet->m_strAplyFile =
        boot.substr(0, folderLength) + kPathSeparatorString + NamesOf(ImageKind::APLY).pszDefaultFile;
}

LRESULT CZeltoPage4::OnWizardNext()
{
    // The font operation reboots the scale before its font; the others go on to the application.
    if (m_pSheet->m_nUpdateMode == MODE_BIOS_FONT_APLY)
        return CZeltoCopyPage::OnWizardNext();
    m_pSheet->SetActivePage(&m_pSheet->m_Page5);
    return -1;
}
