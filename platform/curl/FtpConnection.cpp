#include "platform/net/Internet.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <curl/curl.h>
#include <dlfcn.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>

namespace {

constexpr long kUploadBufferSize = 512 * 1024;
constexpr long kKeepConnectionSeconds = 24L * 60 * 60;  // a logged-in connection stays usable
constexpr std::size_t kMaxReplyShown = 120;  // of a server's reply line in a failure text
constexpr int kUnsentLimit = 128 * 1024;     // of a store's data connection, while its progress is told
constexpr const char* kCurlLibraryName = "libcurl.so.4";

// libcurl, loaded the first time an FTP connection is made instead of when the program starts. The
// library brings two dozen others with it (two TLS stacks, Kerberos, LDAP, SSH); loading them at
// start cost every start of the wizard about 4 ms and 5 MB, for a library that only the upload uses.
struct CurlLibrary {
    decltype(&::curl_global_init) global_init;
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_perform) easy_perform;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_strerror) easy_strerror;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
};

// The loaded library with curl_global_init done, or nullptr when it cannot be loaded; then
// CurlLoadFault says why, naming the library.
struct LoadedCurl {
    CurlLibrary functions;
    std::string fault;
};

const LoadedCurl& LoadCurl()
{
    static const LoadedCurl loaded = [] {
        LoadedCurl result;
        CurlLibrary& curl = result.functions;
        void* library = ::dlopen(kCurlLibraryName, RTLD_NOW | RTLD_LOCAL);
        const char* missing = nullptr;
        auto resolve = [library, &missing](const char* name, auto* function) {
            *function = reinterpret_cast<std::remove_pointer_t<decltype(function)>>(::dlsym(library, name));
            if (*function == nullptr)
                missing = name;
            return *function != nullptr;
        };
        const std::string name = std::string("The Internet library ") + kCurlLibraryName;
        if (library == nullptr) {
            const char* why = ::dlerror();
            result.fault = name + " cannot be loaded: " + (why != nullptr ? why : "not found");
        } else if (!(resolve("curl_global_init", &curl.global_init) && resolve("curl_easy_init", &curl.easy_init) &&
                     resolve("curl_easy_setopt", &curl.easy_setopt) &&
                     resolve("curl_easy_perform", &curl.easy_perform) &&
                     resolve("curl_easy_getinfo", &curl.easy_getinfo) &&
                     resolve("curl_easy_cleanup", &curl.easy_cleanup) &&
                     resolve("curl_easy_strerror", &curl.easy_strerror) &&
                     resolve("curl_slist_append", &curl.slist_append) &&
                     resolve("curl_slist_free_all", &curl.slist_free_all))) {
            result.fault = name + " lacks " + missing + ": it is not the library this program needs";
        } else if (curl.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
            result.fault = name + " cannot be started";
        }
        // The library stays loaded either way: unloading it after a partial start-up is not safe.
        return result;
    }();
    return loaded;
}

const CurlLibrary* Curl()
{
    const LoadedCurl& loaded = LoadCurl();
    return loaded.fault.empty() ? &loaded.functions : nullptr;
}

// Letters and digits of ASCII only, whatever the locale says.
bool IsAlnum(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Every byte that is not unreserved in a URL is escaped, so that the server gets the name exactly
// as given once libcurl has decoded the path again ("d:\boot.bin" travels as d%3A%5Cboot.bin).
std::string EscapeName(const std::string& name)
{
    std::string escaped;
    for (unsigned char c : name) {
        if (IsAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            escaped += static_cast<char>(c);
        } else {
            escaped += '%';
            escaped += "0123456789ABCDEF"[c >> 4];
            escaped += "0123456789ABCDEF"[c & 0x0F];
        }
    }
    return escaped;
}

// A host name or dotted address; anything else could change the meaning of the URL.
bool IsPlainHost(const std::string& server)
{
    for (unsigned char c : server)
        if (!IsAlnum(c) && c != '-' && c != '.')
            return false;
    return !server.empty();
}

DWORD ToInternetError(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_CONNECT: return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_COULDNT_RESOLVE_HOST: return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_OPERATION_TIMEDOUT: return ERROR_INTERNET_TIMEOUT;
    case CURLE_LOGIN_DENIED: return ERROR_INTERNET_INCORRECT_PASSWORD;
    case CURLE_URL_MALFORMAT: return ERROR_INTERNET_INVALID_URL;
    case CURLE_OUT_OF_MEMORY: return ERROR_NOT_ENOUGH_MEMORY;
    case CURLE_SEND_ERROR: case CURLE_RECV_ERROR: case CURLE_GOT_NOTHING: return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_WEIRD_SERVER_REPLY: case CURLE_FTP_WEIRD_PASS_REPLY: case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_PORT_FAILED: case CURLE_FTP_ACCEPT_FAILED: case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_UPLOAD_FAILED: case CURLE_QUOTE_ERROR: return ERROR_INTERNET_EXTENDED_ERROR;
    default: return ERROR_INTERNET_INTERNAL_ERROR;
    }
}

// The failure told from libcurl's result, the server's last reply and the system's error. The
// server's own line ("530 Login incorrect.") says more than its code alone; only its code is left
// when the line did not come through. libcurl's own error buffer is not used: after an active-mode
// transfer libcurl 7.88 leaves a stale "inet_ntop() failed" text there that hides the real cause.
std::string DescribeFailure(CURL* curl, CURLcode code, const std::string& server, INTERNET_PORT port,
                            const std::string& lastReply)
{
    long reply = 0;
    long osError = 0;
    curl_off_t connectMicroseconds = 0;
    curl_off_t totalMicroseconds = 0;
    Curl()->easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply);
    Curl()->easy_getinfo(curl, CURLINFO_OS_ERRNO, &osError);
    Curl()->easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connectMicroseconds);
    Curl()->easy_getinfo(curl, CURLINFO_TOTAL_TIME_T, &totalMicroseconds);

    const std::string where = server + " port " + std::to_string(port);
    std::string text = Curl()->easy_strerror(code);
    if (code == CURLE_COULDNT_CONNECT || (code == CURLE_OPERATION_TIMEDOUT && connectMicroseconds == 0))
        text = "Failed to connect to " + where + " after " + std::to_string(totalMicroseconds / 1000) + " ms: " + text;
    else if (reply == 0 && code == CURLE_OPERATION_TIMEDOUT)
        text = "No reply from " + where + ": " + text;
    else if (!lastReply.empty())
        text += ": " + lastReply.substr(0, kMaxReplyShown);
    else if (reply >= 100)
        text += ": " + std::to_string(reply);
    if (osError != 0) {
        char buffer[128];
        text += std::string(" (") + strerror_r(static_cast<int>(osError), buffer, sizeof buffer) + ")";
    }
    return text;
}

// The size in a "213 <size>" reply to SIZE, or -1 for any other reply.
long long SizeFromReply(const std::string& reply)
{
    if (reply.compare(0, 4, "213 ") != 0)
        return -1;
    const std::size_t at = std::min(reply.find_first_not_of(' ', 4), reply.size());
    long long size = -1;
    const auto [next, error] = std::from_chars(reply.data() + at, reply.data() + reply.size(), size);
    return error != std::errc() || next == reply.data() + at || size < 0 ? -1 : size;
}

// Runs the work of one of libcurl's callbacks. An exception must not cross libcurl's C frames: it is
// kept as the step's fault instead, and the callback returns what makes libcurl end the step.
template <typename Work>
bool Guarded(std::string& fault, Work work) noexcept
{
    const std::string why = "Stopped by a failed status report: ";
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        fault = why + e.what();
    } catch (CException* e) {
        char text[200] = {};
        e->GetErrorMessage(text, sizeof text);
        fault = why + text;
        e->Delete();
    } catch (...) {
        fault = why + "unknown exception";
    }
    return false;
}

// Sets the options of one step and keeps the first that libcurl refuses, with libcurl's reason, so
// that the step fails saying so instead of running without a setting it needs.
class StepOptions {
public:
    explicit StepOptions(CURL* curl) : m_curl(curl) {}
    template <typename Value>
    void Set(CURLoption option, const char* name, Value value)
    {
        const CURLcode code = Curl()->easy_setopt(m_curl, option, value);
        if (code != CURLE_OK && m_refused.empty())
            m_refused = std::string("The Internet library refused ") + name + ": " + Curl()->easy_strerror(code);
    }
    const std::string& Refused() const { return m_refused; }

private:
    CURL* m_curl;
    std::string m_refused;
};
#define SET_OPTION(options, option, value) (options).Set(option, #option, value)

// A step's progress (the log-in, or a store), told to the session's status callback.
struct StepProgress {
    CInternetSession* session;
    DWORD_PTR context;
    std::string& fault;
    curl_socket_t dataSocket = CURL_SOCKET_BAD;
    curl_off_t told = 0;

    // Tells the bytes up to reached that were not told yet, or 0.
    void Tell(curl_off_t reached)
    {
        DWORD bytes = static_cast<DWORD>(std::clamp<curl_off_t>(reached - told, 0, 0xFFFFFFFF));
        told += bytes;
        session->OnStatusCallback(context, INTERNET_STATUS_REQUEST_SENT, &bytes, sizeof bytes);
    }
};

// libcurl's socket options function: keeps the data connection that the server opened back, and
// lets it queue only a little that has not gone out yet. Otherwise the socket takes megabytes at the
// start, libcurl has nothing more to hand over, and the progress function is left to its once a
// second while a slow scale works through them.
int KeepDataSocket(void* progress, curl_socket_t socket, curlsocktype purpose)
{
    if (purpose == CURLSOCKTYPE_ACCEPT) {
        static_cast<StepProgress*>(progress)->dataSocket = socket;
        const int unsentLimit = kUnsentLimit;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NOTSENT_LOWAT, &unsentLimit, sizeof unsentLimit);
    }
    return CURL_SOCKOPT_OK;
}

// libcurl's progress function, called as bytes go out and at least once a second, from the connect
// to the last reply of a step. What libcurl has handed to the socket runs megabytes ahead of a slow
// server, by as much as the socket buffers: what the socket still holds unacknowledged has not
// reached the server and does not count.
int TellProgress(void* progress, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    auto* step = static_cast<StepProgress*>(progress);
    int unacknowledged = 0;
    if (step->dataSocket == CURL_SOCKET_BAD || ::ioctl(step->dataSocket, SIOCOUTQ, &unacknowledged) != 0)
        unacknowledged = 0;
    return Guarded(step->fault, [&] { step->Tell(uploaded - unacknowledged); }) ? 0 : 1;
}

// Has libcurl call TellProgress for the step, or no progress function at all.
void WatchProgress(StepOptions& options, StepProgress* progress)
{
    SET_OPTION(options, CURLOPT_NOPROGRESS, progress != nullptr ? 0L : 1L);
    SET_OPTION(options, CURLOPT_XFERINFOFUNCTION, progress != nullptr ? &TellProgress : nullptr);
    SET_OPTION(options, CURLOPT_XFERINFODATA, progress);
}

}  // namespace

// Here the connection is libcurl's easy handle.
struct CFtpConnection::Impl {
    CURL* curl = nullptr;
};

std::unique_ptr<CFtpConnection> CFtpConnection::Open(const platform::FtpLogin& login,
                                                     const platform::net::FtpTimeouts& timeouts)
{
    const std::string& server = login.server;
    if (!IsPlainHost(server))
        throw new CInternetException(ERROR_INTERNET_INVALID_URL, "Not a server name: \"" + server.substr(0, 120) + '"');
    if (Curl() == nullptr)
        throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR, LoadCurl().fault);
    std::unique_ptr<CFtpConnection> connection(new CFtpConnection);
    connection->m_pImpl = new Impl;
    CURL* curl = connection->m_pImpl->curl = Curl()->easy_init();
    if (curl == nullptr)
        throw new CInternetException(ERROR_NOT_ENOUGH_MEMORY, Curl()->easy_strerror(CURLE_OUT_OF_MEMORY));
    connection->m_strBaseUrl = "ftp://" + server + ":" + std::to_string(login.port) + "/";
    connection->m_pSession = login.session;

    StepOptions options(curl);
    SET_OPTION(options, CURLOPT_NOSIGNAL, 1L);
    SET_OPTION(options, CURLOPT_PROTOCOLS_STR, "ftp");
    SET_OPTION(options, CURLOPT_PROXY, "");  // no proxy from the environment: the program reads none
    SET_OPTION(options, CURLOPT_USERNAME, login.user.c_str());
    SET_OPTION(options, CURLOPT_PASSWORD, login.password.c_str());
    SET_OPTION(options, CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    SET_OPTION(options, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeouts.serverResponseSeconds);
    SET_OPTION(options, CURLOPT_ACCEPTTIMEOUT_MS, timeouts.acceptMs);
    SET_OPTION(options, CURLOPT_LOW_SPEED_LIMIT, 1L);
    SET_OPTION(options, CURLOPT_LOW_SPEED_TIME, timeouts.stallSeconds);
    SET_OPTION(options, CURLOPT_MAXAGE_CONN, kKeepConnectionSeconds);
    SET_OPTION(options, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    // libcurl hands every reply line of the server to the header function.
    SET_OPTION(options, CURLOPT_HEADERFUNCTION, &CFtpConnection::CollectReply);
    SET_OPTION(options, CURLOPT_HEADERDATA, connection.get());
    // Active mode: the scale opens the data connection back to this machine's address of the control
    // connection. PORT, not EPRT, which small embedded servers do not know.
    SET_OPTION(options, CURLOPT_FTPPORT, "-");
    SET_OPTION(options, CURLOPT_FTP_USE_EPRT, 0L);

    // Logging in is a step of its own: the directory URL with no body sends USER, PASS and PWD and
    // keeps the connection for the stores that follow. The session hears of it from the connect on,
    // so that a scale which never greets or stops answering is seen to keep the upload waiting.
    SET_OPTION(options, CURLOPT_URL, connection->m_strBaseUrl.c_str());
    SET_OPTION(options, CURLOPT_NOBODY, 1L);
    StepProgress progress{login.session, connection->m_dwContext, connection->m_strCallbackFault};
    WatchProgress(options, login.session != nullptr ? &progress : nullptr);
    if (!options.Refused().empty())
        throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR, options.Refused());
    const CURLcode code = Curl()->easy_perform(curl);
    WatchProgress(options, nullptr);
    if (!connection->m_strCallbackFault.empty())
        throw new CInternetException(ERROR_INTERNET_OPERATION_CANCELLED, connection->m_strCallbackFault);
    if (code != CURLE_OK)
        throw new CInternetException(ToInternetError(code),
                                     DescribeFailure(curl, code, server, login.port, connection->m_strLastReply));
    if (!options.Refused().empty())
        throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR, options.Refused());
    return connection;
}

BOOL CFtpConnection::PutFile(LPCSTR pstrLocalFile, LPCSTR pstrRemoteFile, DWORD /*dwFlags*/, DWORD_PTR dwContext)
{
    m_strLastFault.clear();
    m_strCallbackFault.clear();
    if (m_pImpl == nullptr || m_pImpl->curl == nullptr || pstrLocalFile == nullptr || pstrRemoteFile == nullptr)
        return FALSE;
    CURL* const curl = m_pImpl->curl;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(pstrLocalFile, "rbe"), &std::fclose);
    struct stat status {};
    if (file == nullptr || ::fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode))
        return FALSE;
    const curl_off_t size = status.st_size;
    const std::string remoteName = pstrRemoteFile;
    if (size == 0) {
        // An empty image would replace the scale's program with nothing.
        m_strLastFault = std::string("The image file is empty and was not sent: ") + pstrLocalFile;
        return FALSE;
    }

    // Once the server has confirmed the store, ask it on the same connection what it now holds.
    // The "*" lets a server that does not know SIZE answer 5xx without failing the store.
    curl_slist* afterStore = Curl()->slist_append(nullptr, ("*SIZE " + remoteName).c_str());
    if (afterStore == nullptr)
        return FALSE;
    const std::string url = m_strBaseUrl + EscapeName(remoteName);
    m_dwContext = dwContext;
    StepOptions options(curl);
    SET_OPTION(options, CURLOPT_NOBODY, 0L);
    SET_OPTION(options, CURLOPT_UPLOAD, 1L);
    SET_OPTION(options, CURLOPT_URL, url.c_str());
    SET_OPTION(options, CURLOPT_UPLOAD_BUFFERSIZE, kUploadBufferSize);
    SET_OPTION(options, CURLOPT_READDATA, file.get());  // read by libcurl's own fread, in large blocks
    SET_OPTION(options, CURLOPT_INFILESIZE_LARGE, size);
    SET_OPTION(options, CURLOPT_POSTQUOTE, afterStore);
    StepProgress progress{m_pSession, dwContext, m_strCallbackFault};
    const bool tellProgress = m_pSession != nullptr;
    WatchProgress(options, tellProgress ? &progress : nullptr);
    SET_OPTION(options, CURLOPT_SOCKOPTFUNCTION, tellProgress ? &KeepDataSocket : nullptr);
    SET_OPTION(options, CURLOPT_SOCKOPTDATA, &progress);
    m_strLastReply.clear();
    // A refused option leaves the store unsent: it would go out without a setting it needs.
    const CURLcode code = options.Refused().empty() ? Curl()->easy_perform(curl) : CURLE_OK;
    const std::string refused = options.Refused();
    SET_OPTION(options, CURLOPT_READDATA, nullptr);
    SET_OPTION(options, CURLOPT_POSTQUOTE, nullptr);
    WatchProgress(options, nullptr);
    SET_OPTION(options, CURLOPT_SOCKOPTFUNCTION, nullptr);
    Curl()->slist_free_all(afterStore);
    if (!refused.empty() || !m_strCallbackFault.empty()) {
        m_strLastFault = !refused.empty() ? refused : m_strCallbackFault;
        return FALSE;
    }
    if (code != CURLE_OK)
        return FALSE;

    // The last reply is the one to SIZE.
    const long long stored = SizeFromReply(m_strLastReply);
    if (stored >= 0 && stored != size) {
        m_strLastFault = "The scale reports " + remoteName + " as " + std::to_string(stored) + " bytes, but " +
                         std::to_string(size) + " bytes were sent";
        return FALSE;
    }
    // The server has it all: whatever was still unacknowledged at the last call has arrived.
    if (tellProgress)
        progress.Tell(size);
    return TRUE;
}

std::size_t CFtpConnection::CollectReply(char* buffer, std::size_t size, std::size_t count, void* data)
{
    auto* connection = static_cast<CFtpConnection*>(data);
    const bool kept = Guarded(connection->m_strCallbackFault, [&] {
        std::string line(buffer, size * count);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        // A reply line: three digits, then a blank (last line) or a dash (more to come).
        auto digit = [&line](std::size_t i) { return line[i] >= '0' && line[i] <= '9'; };
        if (line.size() < 4 || !digit(0) || !digit(1) || !digit(2) || (line[3] != ' ' && line[3] != '-'))
            return;
        connection->m_strLastReply = line;
        // The server has spoken: the session hears it, so that a wait is counted from its last word.
        if (connection->m_pSession != nullptr) {
            DWORD bytes = static_cast<DWORD>(size * count);
            connection->m_pSession->OnStatusCallback(connection->m_dwContext, INTERNET_STATUS_RESPONSE_RECEIVED,
                                                     &bytes, sizeof bytes);
        }
    });
    return kept ? size * count : 0;
}

void CFtpConnection::Close()
{
    // libcurl says goodbye (QUIT) as it lets the handle go: nobody is told of that reply.
    m_pSession = nullptr;
    if (m_pImpl != nullptr && m_pImpl->curl != nullptr)
        Curl()->easy_cleanup(m_pImpl->curl);
    delete m_pImpl;
    m_pImpl = nullptr;
}
#undef SET_OPTION
