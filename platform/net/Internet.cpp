#include "platform/net/Internet.h"

#include "platform/services/RealServices.h"

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
                                   pstrPassword != nullptr ? pstrPassword : ""};
    CFtpConnection* pConnection = platform::Services().ftp->Connect(login).release();
    pConnection->m_pSession = m_bStatusCallback ? this : nullptr;
    return pConnection;
}

namespace {
// Logs in over libcurl with the given time-outs.
class CurlFtp : public platform::FtpService {
public:
    explicit CurlFtp(const platform::net::FtpTimeouts& timeouts) : m_timeouts(timeouts) {}
    std::unique_ptr<CFtpConnection> Connect(const platform::FtpLogin& login) override
    {
        return CFtpConnection::Open(login.server, login.port, login.user, login.password, m_timeouts);
    }

private:
    platform::net::FtpTimeouts m_timeouts;
};
}  // namespace

std::shared_ptr<platform::FtpService> platform::MakeCurlFtp(const net::FtpTimeouts& timeouts)
{
    return std::make_shared<CurlFtp>(timeouts);
}
