// The FTP connection on Windows, over the backend's own active-mode client (FtpSession.h says why
// not WinInet). The failure texts are those the Linux backend builds, word for word where they are
// ours, so that the log and the operator read the same on both.
#include "platform/net/Internet.h"

#include <string>

#include "platform/win32/net/FtpSession.h"

struct CFtpConnection::Impl : win32::ftp::Session {
    using Session::Session;
};

namespace {

constexpr std::size_t kMaxReplyShown = 120;  // of a server's reply line in a failure text


// Letters and digits of ASCII only, whatever the code page says.
bool IsAlnum(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// A host name or dotted address, as the Linux backend accepts it.
bool IsPlainHost(const std::string& server)
{
    for (unsigned char c : server)
        if (!IsAlnum(c) && c != '-' && c != '.')
            return false;
    return !server.empty();
}

// The system's text for a Winsock error, as the C library of the Linux backend words the same cause.
std::string SocketErrorText(int error)
{
    switch (error) {
    case 10013: return "Permission denied";
    case 10048: return "Address already in use";
    case 10049: return "Cannot assign requested address";
    case 10050: return "Network is down";
    case 10051: return "Network is unreachable";
    case 10053: return "Software caused connection abort";
    case 10054: return "Connection reset by peer";
    case 10055: return "No buffer space available";
    case 10060: return "Connection timed out";
    case 10061: return "Connection refused";
    case 10064: return "Host is down";
    case 10065: return "No route to host";
    default: return "Winsock error " + std::to_string(error);
    }
}

// The Internet library's number and the readable text of a failed connect or log-in.
CInternetException* DescribeFailure(const win32::ftp::Failure& failure, const std::string& server, INTERNET_PORT port)
{
    using win32::ftp::Fault;
    const std::string where = server + " port " + std::to_string(port);
    const std::string after = " after " + std::to_string(failure.elapsedMs) + " ms: ";
    DWORD error = ERROR_INTERNET_INTERNAL_ERROR;
    std::string text;
    switch (failure.fault) {
    case Fault::BadName:
        error = ERROR_INTERNET_NAME_NOT_RESOLVED;
        text = "Couldn't resolve host name";
        break;
    case Fault::CannotConnect:
        error = ERROR_INTERNET_CANNOT_CONNECT;
        text = "Failed to connect to " + where + after + "Couldn't connect to server";
        break;
    case Fault::ConnectTimeout:
        error = ERROR_INTERNET_TIMEOUT;
        text = "Failed to connect to " + where + after + "Timeout was reached";
        break;
    case Fault::NoReply:
        error = ERROR_INTERNET_TIMEOUT;
        text = failure.lastCode == 0 ? "No reply from " + where + ": Timeout was reached" : "Timeout was reached";
        break;
    case Fault::LoginDenied:
        error = ERROR_INTERNET_INCORRECT_PASSWORD;
        text = "Login denied";
        break;
    case Fault::BadGreeting:
        error = ERROR_INTERNET_EXTENDED_ERROR;
        text = "Weird server reply";
        break;
    case Fault::Closed:
        error = ERROR_INTERNET_CONNECTION_ABORTED;
        text = "Failure when receiving data from the peer";
        break;
    default:
        text = "Failed to open a connection to " + where;
        break;
    }
    // The server's own line ("530 Login incorrect.") says more than its code alone.
    if (failure.lastCode != 0 && failure.fault != Fault::CannotConnect && failure.fault != Fault::ConnectTimeout)
        text += ": " + failure.lastReply.substr(0, kMaxReplyShown);
    if (failure.socketError != 0)
        text += " (" + SocketErrorText(failure.socketError) + ")";
    return new CInternetException(error, text);
}

}  // namespace

std::unique_ptr<CFtpConnection> CFtpConnection::Open(const platform::FtpLogin& login,
                                                     const platform::net::FtpTimeouts& timeouts)
{
    const std::string& server = login.server;
    if (!IsPlainHost(server))
        throw new CInternetException(ERROR_INTERNET_INVALID_URL, "Not a server name: \"" + server.substr(0, 120) + '"');
    const win32::ftp::Bounds bounds{timeouts.connectMs, timeouts.serverResponseSeconds, timeouts.acceptMs,
                                    timeouts.stallSeconds};
    std::unique_ptr<CFtpConnection> connection(new CFtpConnection);
    auto session = std::make_unique<CFtpConnection::Impl>(bounds);
    // The session hears of the log-in's waits as of the store's: a silent scale is counted from the
    // connect on.
    connection->m_pSession = login.session;
    win32::ftp::Tick tick;
    if (login.session != nullptr) {
        CInternetSession* listener = login.session;
        const DWORD_PTR context = connection->m_dwContext;
        tick = [listener, context](unsigned long bytes) {
            DWORD sent = static_cast<DWORD>(bytes);
            listener->OnStatusCallback(context, INTERNET_STATUS_REQUEST_SENT, &sent, sizeof sent);
        };
    }
    bool opened = false;
    try {
        opened = session->Open(server, login.port, login.user, login.password, tick);
    } catch (const std::exception& e) {
        throw new CInternetException(ERROR_INTERNET_OPERATION_CANCELLED,
                                     std::string("Stopped by a failed status report: ") + e.what());
    }
    if (!opened)
        throw DescribeFailure(session->failure(), server, login.port);
    // The connection's handle holds the backend's session.
    connection->m_pImpl = session.release();
    return connection;
}

BOOL CFtpConnection::PutFile(LPCSTR pstrLocalFile, LPCSTR pstrRemoteFile, DWORD /*dwFlags*/, DWORD_PTR dwContext)
{
    m_strLastFault.clear();
    if (m_pImpl == nullptr || pstrLocalFile == nullptr || pstrRemoteFile == nullptr)
        return FALSE;
    win32::ftp::Tick tick;
    if (m_pSession != nullptr) {
        CInternetSession* session = m_pSession;
        tick = [session, dwContext](unsigned long bytes) {
            DWORD sent = static_cast<DWORD>(bytes);
            session->OnStatusCallback(dwContext, INTERNET_STATUS_REQUEST_SENT, &sent, sizeof sent);
        };
    }
    win32::ftp::StoreOutcome outcome;
    bool stored = false;
    try {
        stored = m_pImpl->Store(pstrLocalFile, pstrRemoteFile, tick, &outcome);
    } catch (...) {
        // A status callback that throws fails the store; the connection is let go of by Close.
        return FALSE;
    }
    if (!outcome.readable)
        return FALSE;
    if (outcome.localSize == 0) {
        // An empty image would replace the scale's program with nothing.
        m_strLastFault = std::string("The image file is empty and was not sent: ") + pstrLocalFile;
        return FALSE;
    }
    if (!stored)
        return FALSE;
    if (outcome.reportedSize >= 0 && outcome.reportedSize != outcome.localSize) {
        m_strLastFault = "The scale reports " + std::string(pstrRemoteFile) + " as " +
                         std::to_string(outcome.reportedSize) + " bytes, but " + std::to_string(outcome.localSize) +
                         " bytes were sent";
        return FALSE;
    }
    return TRUE;
}

void CFtpConnection::Close()
{
    if (m_pImpl == nullptr)
        return;
    win32::ftp::Session* session = m_pImpl;
    m_pImpl = nullptr;
    session->Close();
    delete session;
}
