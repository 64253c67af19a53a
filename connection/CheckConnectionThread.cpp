#include "connection/CheckConnectionThread.h"

#include <algorithm>
#include <cstring>

#include "connection/BlockingSocket.h"
#include "connection/BlockingSocketException.h"
#include "connection/ConnectState.h"
#include "connection/ZeltoConnectPage.h"
#include "platform/sys/StringRes.h"
#include "resources/ResourceIds.h"
#include "wizard/ScaleAddress.h"

namespace {
constexpr int kFtpPort = 21;
constexpr int kConnectTimeoutSeconds = 5;
constexpr UINT kErrorBufferSize = 200;
}  // namespace

UINT CheckConnectionThread(LPVOID pParam)
{
    auto* pPage = static_cast<CZeltoConnectPage*>(pParam);

    winsock::SOCKADDR_IN address{};
    address.sin_family = winsock::AF_INET;
    address.sin_port = winsock::htons(kFtpPort);
    address.sin_addr.s_addr = winsock::inet_addr(g_szScaleAddress);

    pPage->m_strError.clear();
    int state = CONNECT_OK;
    CBlockingSocket socket;
    try {
        socket.Create(winsock::SOCK_STREAM);
        socket.Connect(reinterpret_cast<const winsock::SOCKADDR*>(&address), kConnectTimeoutSeconds);
    } catch (CBlockingSocketException* e) {
        state = CONNECT_FAILED;
        // The prefix, then the step's error text in the room it leaves: at most 199 characters.
        char text[kErrorBufferSize] = {};
        const CString prefix = LoadString(IDS_CONNECT_ERROR_PREFIX);
        const std::size_t length = std::min<std::size_t>(prefix.size(), kErrorBufferSize - 2);
        std::memcpy(text, prefix.data(), length);
        e->GetErrorMessage(text + length, static_cast<UINT>(kErrorBufferSize - length - 1));
        pPage->m_strError = text;
        e->Delete();
    }
    if (socket.m_hSocket != 0) {
        try {
            socket.Close();
        } catch (CBlockingSocketException* e) {
            // The result stands; a socket that will not close is the system's to reclaim.
            e->Delete();
        }
    }
    pPage->PostMessage(WM_CHECK_RESULT, static_cast<WPARAM>(state), 0);
    return 0;
}
