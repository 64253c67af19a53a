#include "platform/net/InternetSession.h"

#include <memory>
#include <new>
#include <string>

#include "platform/net/FtpClient.h"
#include "platform/net/FtpConnection.h"
#include "platform/net/InternetException.h"
#include "platform/net/InternetFaults.h"

CInternetSession::CInternetSession(LPCSTR, DWORD_PTR dwContext, DWORD, LPCSTR, LPCSTR, DWORD) : m_dwContext(dwContext)
{
}

CInternetSession::~CInternetSession() = default;

CFtpConnection* CInternetSession::GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName, LPCSTR pstrPassword,
                                                   INTERNET_PORT nPort, BOOL bPassive)
{
    switch (platform::seams::TakeInternetFault()) {
    case platform::seams::InternetFault::LongErrorText:
        throw new CInternetException(ERROR_INTERNET_EXTENDED_ERROR, "The server said: " + std::string(283, 'x'),
                                     m_dwContext);
    case platform::seams::InternetFault::OutOfMemory:
        throw std::bad_alloc();
    case platform::seams::InternetFault::None:
        break;
    }
    auto client = std::make_unique<platform::net::FtpClient>();
    DWORD error = 0;
    std::string text;
    if (!client->Login(pstrServer != nullptr ? pstrServer : "", nPort,
                       pstrUserName != nullptr ? pstrUserName : "anonymous",
                       pstrPassword != nullptr ? pstrPassword : "", bPassive != FALSE, &error, &text))
        throw new CInternetException(error, text, m_dwContext);
    return new CFtpConnection(std::move(client), m_dwContext);
}

// Connections live on their own; the session holds nothing that needs releasing.
void CInternetSession::Close() {}
