// The FTP client behind the Internet classes, over libcurl: one control connection, logged in as a
// step of its own, then files stored on it. Only the Internet classes use it.
#pragma once

#include <cstddef>
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
    // a readable text, which carries the server's own last reply line when there was one.
    bool Login(const std::string& server, INTERNET_PORT port, const std::string& user,
               const std::string& password, bool passive, DWORD* error, std::string* text);

    // Sends the whole local file and stores it under the remote name exactly as given (no change of
    // directory, a backslash stays a backslash). True when the server confirmed the store; false when
    // the local file cannot be read, the transfer breaks off or stalls, or the server refuses.
    // An empty local file is never sent, and a binary store is checked afterwards by asking the
    // server for the stored file's size (SIZE): a size other than the one sent is false too. A server
    // that does not know SIZE is taken at its word.
    bool Store(const std::string& localPath, const std::string& remoteName, DWORD transferType);

    // Why the last Store was false when Store found the fault itself (the local file was empty, or
    // the server holds a different size than was sent); empty after any other outcome.
    const std::string& LastStoreFault() const { return m_lastStoreFault; }

    // Says goodbye to the server and lets the connection go. Safe to call more than once.
    void Close();

private:
    // libcurl's header function: keeps the server's last reply line.
    static std::size_t CollectReply(char* buffer, std::size_t size, std::size_t count, void* client);

    FtpTimeouts m_timeouts;
    void* m_curl;  // the libcurl easy handle, which holds the logged-in connection
    std::string m_lastReply;  // the server's last reply line, without its line end
    std::string m_lastStoreFault;
    std::string m_server;
    INTERNET_PORT m_port;
    std::mutex m_mutex;  // one operation at a time on the connection
};

}  // namespace platform::net
