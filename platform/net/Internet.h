// The Internet classes: a session, the FTP connections it makes, and their exception. A connection
// speaks FTP through the backend's client (libcurl on Linux): active mode (the scale opens the data
// connection back to this machine), binary transfers, logged in as a step of its own before anything
// is stored.
#pragma once

#include <memory>
#include <string>

#include "platform/net/InternetDefs.h"
#include "platform/net/InternetTimeouts.h"
#include "platform/services/AppServices.h"
#include "platform/sys/Exception.h"

// The failure of an Internet operation: the Internet library's error number and a readable text.
// Thrown by pointer; the catcher deletes it.
class CInternetException : public CException {
public:
    CInternetException(DWORD dwError, const CString& strText) : m_dwError(dwError), m_strText(strText) {}
    // The text, cut to nMaxError - 1 bytes and terminated; nothing for a buffer of 0 bytes.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    DWORD m_dwError;

private:
    CString m_strText;
};

class CInternetSession;

// An FTP connection that is open and logged in, made by CInternetSession::GetFtpConnection.
class CFtpConnection {
public:
    // Connects and logs in to the server, or throws a new CInternetException whose text carries the
    // server's own last reply line when there was one, or the library's reason when it cannot be
    // loaded or refuses an option. login.session, when given, hears of the log-in as of a store.
    static std::unique_ptr<CFtpConnection> Open(const platform::FtpLogin& login,
                                                const platform::net::FtpTimeouts& timeouts);
    // Closes the connection if Close has not.
    virtual ~CFtpConnection() { CFtpConnection::Close(); }
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;

    // Stores the whole local file, always as binary, under the remote name exactly as given (no change
    // of directory, a backslash stays a backslash). Nonzero once the server has confirmed the store;
    // FALSE when the local file is empty or cannot be read, the transfer breaks off or stalls, the
    // server refuses, or the server then reports another size (SIZE) than was sent. A server that
    // does not know SIZE is taken at its word. While it stores, a session with status callbacks
    // enabled hears of it with dwContext (see CInternetSession).
    BOOL PutFile(LPCSTR pstrLocalFile, LPCSTR pstrRemoteFile, DWORD dwFlags = FTP_TRANSFER_TYPE_BINARY,
                 DWORD_PTR dwContext = 1);

    // Why the last PutFile was FALSE when it found the fault itself (an empty local file, another
    // stored size with both sizes told, an option the library refused, a status callback that threw);
    // empty after any other outcome, which the caller tells itself.
    CString GetLastPutFileFault() const { return m_strLastFault; }

    // Says goodbye to the server and lets the connection go. Safe to call more than once.
    virtual void Close();

private:
    CFtpConnection() = default;
    // libcurl's header function: keeps the server's last reply line and tells the session of it.
    static std::size_t CollectReply(char* buffer, std::size_t size, std::size_t count, void* data);

    CInternetSession* m_pSession = nullptr;  // told of the progress; none without status callbacks
    DWORD_PTR m_dwContext = 1;               // of the step under way, for the session's callback
    std::string m_strCallbackFault;          // why a callback ended the last step, when one did

    struct Impl;               // the backend's side, which holds the logged-in connection
    Impl* m_pImpl = nullptr;  // made by Open, let go by Close
    std::string m_strLastReply;  // the server's last reply line, without its line end
    CString m_strLastFault;
    std::string m_strBaseUrl;  // "ftp://server:port/"
};

// An Internet session: the start of every FTP connection. Connections live on their own; the session
// holds nothing that needs releasing.
class CInternetSession {
public:
    // The agent name, context, access type, proxy and flags are those of the system Internet library;
    // here no proxy is ever used, and nothing else depends on them.
    explicit CInternetSession(LPCSTR = nullptr, DWORD_PTR = 1, DWORD = PRE_CONFIG_INTERNET_ACCESS, LPCSTR = nullptr,
                              LPCSTR = nullptr, DWORD = 0) {}
    virtual ~CInternetSession() = default;

    // Enabled before a connection is made, OnStatusCallback hears of it on the thread that works it,
    // from the connect through the log-in and every store to the store's size check:
    // INTERNET_STATUS_REQUEST_SENT with a DWORD of the bytes of a store that reached the server since
    // the last call (taken by its end of the data connection, not merely handed to this machine's
    // socket), at least about once a second, with 0 while nothing moves; and
    // INTERNET_STATUS_RESPONSE_RECEIVED with a DWORD of the bytes of each reply line of the server.
    // After a store that the server confirmed, the bytes sent add up to the file's size. A callback
    // that throws ends the step as failed, with its exception's text as the reason.
    BOOL EnableStatusCallback(BOOL bEnable = TRUE) { m_bStatusCallback = bEnable; return TRUE; }
    virtual void OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) {}

    // A new connection, connected and logged in, in active mode whatever bPassive says; the caller
    // closes and deletes it. Throws a new CInternetException when the connection or the login fails.
    // A missing user logs in anonymously.
    CFtpConnection* GetFtpConnection(LPCSTR pstrServer, LPCSTR pstrUserName = nullptr, LPCSTR pstrPassword = nullptr,
                                     INTERNET_PORT nPort = INTERNET_DEFAULT_FTP_PORT, BOOL bPassive = FALSE);
    virtual void Close() {}

private:
    BOOL m_bStatusCallback = FALSE;
};
