// One attempt to open an FTP connection the way the upload worker does it: what came back, the
// Internet exception's number and text (read into a 200-byte buffer), and how long it took.
#pragma once

#include <string>

#include "platform/net/Internet.h"

namespace tarvel::test {

struct NetFtpAttempt {
    CFtpConnection* connection = nullptr;  // closed and deleted with the attempt
    bool thrown = false;
    DWORD error = 0;
    std::string text;
    double seconds = 0.0;

    NetFtpAttempt() = default;
    ~NetFtpAttempt();
    NetFtpAttempt(const NetFtpAttempt&) = delete;
    NetFtpAttempt& operator=(const NetFtpAttempt&) = delete;

    // Opens port 21 of the server as user "test" in active mode, in a session of its own or the one given.
    void Connect(const char* server, CInternetSession* session = nullptr, const char* password = "vamek");
    // Closes and deletes the connection, if any.
    void Close();
};

}  // namespace tarvel::test
