#include "platform/net/InternetSession.h"

#include <memory>
#include <string>

#include "platform/net/FtpClient.h"
#include "platform/net/FtpConnection.h"
#include "platform/net/InternetException.h"
#include "platform/services/RealServices.h"

namespace {
// Logs in over libcurl with the given time-outs.
class CurlFtp : public platform::FtpService {
public:
    explicit CurlFtp(const platform::net::FtpTimeouts& timeouts) : m_timeouts(timeouts) {}

    std::unique_ptr<platform::net::FtpClient> Connect(const platform::FtpLogin& login, DWORD_PTR context) override
    {
        auto client = std::make_unique<platform::net::FtpClient>(m_timeouts);
        DWORD error = 0;
        std::string text;
        if (!client->Login(login.server, login.port, login.user, login.password, login.passive, &error, &text))
            throw new CInternetException(error, text, context);
        return client;
    }

private:
    platform::net::FtpTimeouts m_timeouts;
};
}  // namespace

CInternetSession::CInternetSession(LPCSTR, DWORD_PTR dwContext, DWORD, LPCSTR, LPCSTR, DWORD) : m_dwContext(dwContext)
{
}

CInternetSession::~CInternetSession() = default;

CFtpConnection* CInternetSession::GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName, LPCSTR pstrPassword,
                                                   INTERNET_PORT nPort, BOOL bPassive)
{
    const platform::FtpLogin login{pstrServer != nullptr ? pstrServer : "", nPort,
                                   pstrUserName != nullptr ? pstrUserName : "anonymous",
                                   pstrPassword != nullptr ? pstrPassword : "", bPassive != FALSE};
    return new CFtpConnection(platform::Services().ftp->Connect(login, m_dwContext), m_dwContext);
}

// Connections live on their own; the session holds nothing that needs releasing.
void CInternetSession::Close() {}

std::shared_ptr<platform::FtpService> platform::MakeCurlFtp(const net::FtpTimeouts& timeouts)
{
    return std::make_shared<CurlFtp>(timeouts);
}
