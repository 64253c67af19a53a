#include "transfer/FtpUploadThreads.h"

#include <exception>

#include "common/ImageKind.h"
#include "platform/net/Internet.h"
#include "platform/sys/StringRes.h"
#include "resources/ResourceIds.h"
#include "transfer/UpdateLog.h"
#include "transfer/UploadSession.h"
#include "transfer/ZeltoCopyPage.h"
#include "wizard/ScaleAddress.h"

namespace {

constexpr const char* kFtpUser = "test";
constexpr const char* kFtpPassword = "vamek";
constexpr INTERNET_PORT kFtpPort = 21;
constexpr DWORD_PTR kContext = 1;  // of the transfer; the session has the same
constexpr UINT kErrorBufferSize = 200;

// One attempt: log in, store the upload file under the image's remote name, log, report.
// bLogException: whether a failed connection or login is logged (the application worker does not
// log it).
UINT UploadImage(CZeltoCopyPage* pPage, ImageKind kind, BOOL bLogException)
{
    const CUpdateLog log = pPage->UpdateLog();
    const CString& strUploadFile = pPage->UploadFile();
    BOOL bResult = FALSE;
    CFtpConnection* pConnection = nullptr;
    try {
        // The session tells the page how far the file has got while it travels.
        CUploadSession session(pPage);
        try {
            pConnection = session.GetFtpConnection(g_szScaleAddress, kFtpUser, kFtpPassword, kFtpPort, FALSE);
            log.Write("Start PutFile() - " + strUploadFile);
            session.BeginStore(strUploadFile.c_str());
            bResult = pConnection->PutFile(strUploadFile.c_str(), NamesOf(kind).pszRemoteName,
                                           FTP_TRANSFER_TYPE_BINARY, kContext);
            session.EndStore();
            log.Write("End PutFile()");
            if (!bResult) {
                log.Write("PutFile() returned FALSE");
                pPage->m_strError = LoadString(IDS_FTP_COPY_ERROR);
                // When the send itself knows why (an empty image, or the scale holding another size
                // than was sent), the log and the operator are told, not just that it failed.
                const CString fault = pConnection->GetLastPutFileFault();
                if (!fault.empty()) {
                    log.Write("PutFile() fault : " + fault);
                    pPage->m_strError += " " + fault;
                }
            }
        } catch (CInternetException* e) {
            bResult = FALSE;
            char text[kErrorBufferSize] = {};
            e->GetErrorMessage(text, kErrorBufferSize);
            pPage->m_strError = text;
            if (bLogException)
                log.Write("PutFile() exception : " + pPage->m_strError);
            e->Delete();
        }
        if (pConnection != nullptr) {
            pConnection->Close();
            delete pConnection;
            pConnection = nullptr;
        }
        session.Close();
    } catch (const std::exception& e) {
        // Anything else that goes wrong must still reach the page, which waits only for the result
        // message: the upload counts as failed and says why.
        delete pConnection;
        bResult = FALSE;
        pPage->m_strError = LoadString(IDS_FTP_COPY_ERROR) + " " + e.what();
    } catch (CException* e) {
        delete pConnection;
        bResult = FALSE;
        char text[kErrorBufferSize] = {};
        e->GetErrorMessage(text, kErrorBufferSize);
        pPage->m_strError = LoadString(IDS_FTP_COPY_ERROR) + " " + text;
        e->Delete();
    }
    pPage->PostMessage(WM_FTP_COMPLETE, static_cast<WPARAM>(bResult), 0);
    return 0;
}

}  // namespace

UINT FtpBootThread(LPVOID pParam)
{
    return UploadImage(static_cast<CZeltoCopyPage*>(pParam), ImageKind::BOOT, TRUE);
}

UINT FtpFontThread(LPVOID pParam)
{
    return UploadImage(static_cast<CZeltoCopyPage*>(pParam), ImageKind::FONT, TRUE);
}

UINT FtpAplyThread(LPVOID pParam)
{
    return UploadImage(static_cast<CZeltoCopyPage*>(pParam), ImageKind::APLY, FALSE);
}
