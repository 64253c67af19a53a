// The FTP client behind the Internet classes, over libcurl: one control connection, logged in as a
// step of its own, then files stored on it. Only the Internet classes use it.
#pragma once

#include <mutex>
#include <string>

#include "platform/net/InternetDefs.h"
#include "platform/net/InternetTimeouts.h"

namespace platform::net {

class FtpClient {
public:
    explicit FtpClient(const FtpTimeouts& timeouts);
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // Connects and logs in. On failure returns false with the Internet library's error number and
    // a readable text.
    bool Login(const std::string& server, INTERNET_PORT port, const std::string& user,
               const std::string& password, bool passive, DWORD* error, std::string* text);

    // Sends the whole local file and stores it under the remote name exactly as given (no change of
    // directory, a backslash stays a backslash). True when the server confirmed the store; false when
    // the local file cannot be read, the transfer breaks off or stalls, or the server refuses.
    bool Store(const std::string& localPath, const std::string& remoteName, DWORD transferType);

    // Says goodbye to the server and lets the connection go. Safe to call more than once.
    void Close();

private:
    FtpTimeouts m_timeouts;
    void* m_curl;  // the libcurl easy handle, which holds the logged-in connection
    std::string m_server;
    INTERNET_PORT m_port;
    std::mutex m_mutex;  // one operation at a time on the connection
};

}  // namespace platform::net
