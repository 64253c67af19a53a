// An FTP connection that is open and logged in, made by CInternetSession::GetFtpConnection.
#pragma once

#include <memory>

#include "platform/net/InternetDefs.h"
#include "platform/sys/WinTypes.h"

namespace platform::net {
class FtpClient;
}

class CFtpConnection {
public:
    CFtpConnection(std::unique_ptr<platform::net::FtpClient> client, DWORD_PTR dwContext);
    // Closes the connection if Close has not.
    virtual ~CFtpConnection();
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;

    // Stores the whole local file under the remote name as given. Nonzero once the server has
    // confirmed the store; FALSE when the local file cannot be read, the transfer breaks off or stalls,
    // or the server refuses. An empty local file is never sent (FALSE), and a binary store that the
    // server then reports with a different size is FALSE too. One transfer at a time.
    BOOL PutFile(LPCSTR pstrLocalFile, LPCSTR pstrRemoteFile, DWORD dwFlags = FTP_TRANSFER_TYPE_BINARY,
                 DWORD_PTR dwContext = 1);

    // A readable reason when the last PutFile was FALSE for a fault it found itself: the local file
    // was empty, or the server holds a different size than was sent (both sizes told). Empty after
    // a success and after the other failures, which the caller tells in its own words.
    CString GetLastPutFileFault() const;

    virtual void Close();

private:
    std::unique_ptr<platform::net::FtpClient> m_pClient;
    DWORD_PTR m_dwContext;
};
