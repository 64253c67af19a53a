// One IPv4 stream socket that reports every failure by throwing a CBlockingSocketException. The
// connection check uses it to learn whether the scale takes a TCP connection on its FTP port.
#pragma once

#include "platform/net/WinSock.h"

class CBlockingSocket {
public:
    CBlockingSocket();
    // Does not close the socket: that is the owner's Close.
    virtual ~CBlockingSocket();
    CBlockingSocket(const CBlockingSocket&) = delete;
    CBlockingSocket& operator=(const CBlockingSocket&) = delete;

    // Throws "Create"; m_hSocket then stays 0.
    void Create(int nType = winsock::SOCK_STREAM);
    // Throws "Close" and keeps m_hSocket; sets it to 0 once closed.
    void Close();
    // Connects within nTimeout seconds and returns with the socket back in blocking mode; throws
    // "Connect" when the connection fails and "Connect - Timeout" when nothing answers in time.
    void Connect(const winsock::SOCKADDR* psa, int nTimeout);

    winsock::SOCKET m_hSocket;  // 0: no socket held
};
