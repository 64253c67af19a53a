#include "connection/BlockingSocket.h"

#include "connection/BlockingSocketException.h"
#include "platform/sys/DateTime.h"

CBlockingSocket::CBlockingSocket() : m_hSocket(0) {}

CBlockingSocket::~CBlockingSocket() = default;

void CBlockingSocket::Create(int nType)
{
    const winsock::SOCKET hSocket = winsock::socket(winsock::AF_INET, nType, 0);
    if (hSocket == winsock::INVALID_SOCKET)
        throw new CBlockingSocketException("Create");
    m_hSocket = hSocket;
}

void CBlockingSocket::Close()
{
    if (winsock::closesocket(m_hSocket) == winsock::SOCKET_ERROR)
        throw new CBlockingSocketException("Close");
    m_hSocket = 0;
}

// The connect runs in non-blocking mode and is watched in half-second slices: first whether the
// socket became writable (connected), then whether it shows a failed attempt. The clock is read in
// whole seconds, so a time-out of n gives up after n - 1 to n seconds without an answer. It is the
// clock that only moves forward: on the wall clock, a clock set back an hour held the check (and the
// operator, who cannot cancel it) for that hour.
void CBlockingSocket::Connect(const winsock::SOCKADDR* psa, int nTimeout)
{
    const ULONGLONG nStart = GetTickCount64() / 1000;

    winsock::u_long nNonBlocking = 1;
    winsock::ioctlsocket(m_hSocket, winsock::FIONBIO, &nNonBlocking);

    if (winsock::connect(m_hSocket, psa, sizeof(winsock::SOCKADDR)) == winsock::SOCKET_ERROR &&
        winsock::WSAGetLastError() != winsock::WSAEWOULDBLOCK)
        throw new CBlockingSocketException("Connect");

    for (;;) {
        winsock::fd_set writeSet;
        winsock::FD_ZERO(&writeSet);
        winsock::FD_SET(m_hSocket, &writeSet);
        winsock::timeval slice = {0, 500000};
        const int nWritable = winsock::select(0, nullptr, &writeSet, nullptr, &slice);
        if (nWritable == winsock::SOCKET_ERROR)
            throw new CBlockingSocketException("Connect");
        if (nWritable > 0) {
            winsock::u_long nBlocking = 0;
            winsock::ioctlsocket(m_hSocket, winsock::FIONBIO, &nBlocking);
            return;
        }

        winsock::fd_set exceptSet;
        winsock::FD_ZERO(&exceptSet);
        winsock::FD_SET(m_hSocket, &exceptSet);
        slice = {0, 500000};
        const int nFailed = winsock::select(0, nullptr, nullptr, &exceptSet, &slice);
        if (nFailed == 1 || nFailed == winsock::SOCKET_ERROR)
            throw new CBlockingSocketException("Connect");

        const auto nElapsed = static_cast<long long>(GetTickCount64() / 1000 - nStart);
        if (nElapsed >= nTimeout)
            throw new CBlockingSocketException("Connect - Timeout");
    }
}
