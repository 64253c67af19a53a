// An Internet session: the start of every FTP connection.
#pragma once

#include "platform/net/InternetDefs.h"
#include "platform/sys/WinTypes.h"

class CFtpConnection;

class CInternetSession {
public:
    // The agent name, access type, proxy and flags are those of the system Internet library; here
    // no proxy is ever used.
    explicit CInternetSession(LPCSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS, LPCSTR pstrProxyName = nullptr,
                              LPCSTR pstrProxyBypass = nullptr, DWORD dwFlags = 0);
    virtual ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // A new connection, connected and logged in; the caller closes and deletes it. Throws a new
    // CInternetException when the connection or the login fails. A missing user logs in anonymously.
    CFtpConnection* GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName = nullptr, LPCSTR pstrPassword = nullptr,
                                     INTERNET_PORT nPort = INTERNET_DEFAULT_FTP_PORT, BOOL bPassive = FALSE);

    virtual void Close();

    DWORD_PTR GetContext() const { return m_dwContext; }

private:
    DWORD_PTR m_dwContext;
};
