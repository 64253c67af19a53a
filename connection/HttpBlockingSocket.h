// The blocking socket specialised for HTTP conversations. This program holds none: the class adds no
// operations of its own to the socket it extends.
#pragma once

#include "connection/BlockingSocket.h"

class CHttpBlockingSocket : public CBlockingSocket {
public:
    CHttpBlockingSocket();
    ~CHttpBlockingSocket() override;
};
