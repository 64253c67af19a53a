// A small active-mode FTP client of the Windows backend's own, over Winsock 2, in plain types so
// that the units holding the platform's names can use it without the SDK (FtpSession.cpp alone
// includes it).
//
// Why not WinInet: under Wine, which tests this backend, WinInet cannot keep the bounds the wizard
// has on Linux. FtpPutFile tells no progress, and FtpOpenFile + InternetWriteFile tells it as the
// local kernel takes the bytes (3.8 of 5 MB "written" at once to a 512 KB/s server); a server that
// never greets holds it a fixed 60 s whatever time-outs are set; the connect time-out is ignored
// (134 s against a full backlog); a server that takes PORT and never connects back hangs FtpPutFile
// for good, and closing its handles does not release it. This client waits in slices of a quarter
// of a second, so every step (connect, greeting, log-in, the data connection, the store, the size
// check) keeps its own bound and tells the caller that it is still waiting.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace win32::ftp {

struct Bounds {
    long connectMs;     // the TCP connect to the server
    long replySeconds;  // each reply of the server, the greeting included
    long acceptMs;      // the server opening the data connection back, from STOR on
    long stallSeconds;  // a store that moves no byte for this long is given up
};

// What went wrong, in the terms the failure texts are made of.
enum class Fault {
    None,
    BadName,         // the server name resolves to no IPv4 address
    CannotConnect,   // the connect failed at once or was refused (socketError says why)
    ConnectTimeout,  // the server took no connection within connectMs
    NoReply,         // a reply did not come within replySeconds
    Closed,          // the server closed the control connection, or it broke (socketError)
    LoginDenied,     // USER or PASS answered with anything but 331 / 230
    BadGreeting,     // the greeting was not 220
    Refused,         // a command answered with a code that does not let the store go on
    AcceptTimeout,   // the server did not open the data connection within acceptMs
    Stalled,         // the store moved no byte for stallSeconds
    DataBroken,      // the data connection broke off (socketError)
    Local,           // a socket of this machine could not be made (socketError)
};

struct Failure {
    Fault fault = Fault::None;
    int socketError = 0;       // Winsock's number, 0 when none
    long long elapsedMs = 0;   // from the start of the step that failed
    int lastCode = 0;          // the code of the server's last reply, 0 before any
    std::string lastReply;     // the server's last reply line, without its line end
};

// Told at least every quarter of a second while the session waits or sends, and every twentieth
// while bytes move: the bytes the server took since the last call (0 while nothing moves).
using Tick = std::function<void(unsigned long bytes)>;

struct StoreOutcome {
    bool readable = false;       // the local file could be opened and read as a file
    long long localSize = 0;     // its size
    bool stored = false;         // the server confirmed the store (226 / 250)
    long long reportedSize = -1; // what SIZE said afterwards; -1 when the server does not tell it
};

class Session {
public:
    explicit Session(const Bounds& bounds);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Connects to server:port (a dotted IPv4 address or a name), reads the greeting and logs in
    // with USER and PASS. False with failure() set when any step fails.
    bool Open(const std::string& server, std::uint16_t port, const std::string& user,
              const std::string& password, const Tick& tick);

    // Stores the local file under the remote name exactly as given: TYPE I, PORT for a socket
    // listening on this machine's end of the control connection, STOR, the data, the final reply,
    // then SIZE. An unreadable or empty local file sends nothing. True when the store was confirmed;
    // the outcome tells the rest, failure() why it was not.
    bool Store(const std::string& localPath, const std::string& remoteName, const Tick& tick, StoreOutcome* outcome);

    // QUIT when the connection is still in order, then the socket goes. Safe to call more than once.
    void Close();

    const Failure& failure() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace win32::ftp
