// What opens FTP connections for the Internet session: the real one logs in over libcurl with the
// time-outs of a desktop Internet library.
#pragma once

#include <memory>
#include <string>

#include "platform/net/InternetDefs.h"

namespace platform::net {
class FtpClient;
}

namespace platform {

struct FtpLogin {
    std::string server;
    INTERNET_PORT port;
    std::string user;
    std::string password;
    bool passive;
};

class FtpService {
public:
    virtual ~FtpService() = default;
    // A connected, logged-in client; throws a new CInternetException when that fails.
    virtual std::unique_ptr<net::FtpClient> Connect(const FtpLogin& login, DWORD_PTR context) = 0;
};

}  // namespace platform
