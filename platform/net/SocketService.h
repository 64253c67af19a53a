// What starts the sockets for the process, as the application does once at start-up.
#pragma once

namespace platform {

class SocketService {
public:
    virtual ~SocketService() = default;
    // True when the process can use sockets.
    virtual bool Start() = 0;
};

}  // namespace platform
