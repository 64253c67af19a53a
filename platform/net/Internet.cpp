#include "platform/net/Internet.h"

#include "platform/services/AppServices.h"

BOOL CInternetException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CopyErrorText(lpszError, nMaxError, m_strText.c_str());
    return TRUE;
}

CFtpConnection* CInternetSession::GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName, LPCSTR pstrPassword,
                                                   INTERNET_PORT nPort, BOOL /*bPassive*/)
{
    const platform::FtpLogin login{pstrServer != nullptr ? pstrServer : "", nPort,
                                   pstrUserName != nullptr ? pstrUserName : "anonymous",
                                   pstrPassword != nullptr ? pstrPassword : "", m_bStatusCallback ? this : nullptr};
    return platform::Services().connectFtp(login).release();
}
