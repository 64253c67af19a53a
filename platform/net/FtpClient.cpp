#include "platform/net/FtpClient.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/net/CurlLibrary.h"

namespace platform::net {
namespace {

constexpr long kUploadBufferSize = 512 * 1024;
constexpr long kKeepConnectionSeconds = 24L * 60 * 60;  // a logged-in connection stays usable
constexpr std::size_t kMaxReplyShown = 120;  // of a server's reply line in a failure text

CURL* Handle(void* curl) { return static_cast<CURL*>(curl); }

// Every byte that is not unreserved in a URL is escaped, so that the server gets the name exactly
// as given once libcurl has decoded the path again ("d:\boot.bin" travels as d%3A%5Cboot.bin).
std::string EscapeName(const std::string& name)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (unsigned char c : name) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            escaped += static_cast<char>(c);
        } else {
            escaped += '%';
            escaped += kHex[c >> 4];
            escaped += kHex[c & 0x0F];
        }
    }
    return escaped;
}

// A host name or dotted address; anything else could change the meaning of the URL.
bool IsPlainHost(const std::string& server)
{
    if (server.empty())
        return false;
    for (unsigned char c : server)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'))
            return false;
    return true;
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
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING: return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASS_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR: return ERROR_INTERNET_EXTENDED_ERROR;
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

    std::string text;
    if (code == CURLE_COULDNT_CONNECT || (code == CURLE_OPERATION_TIMEDOUT && connectMicroseconds == 0)) {
        text = "Failed to connect to " + server + " port " + std::to_string(port) + " after " +
               std::to_string(totalMicroseconds / 1000) + " ms: " + Curl()->easy_strerror(code);
    } else if (reply == 0 && code == CURLE_OPERATION_TIMEDOUT) {
        text = "No reply from " + server + " port " + std::to_string(port) + ": " + Curl()->easy_strerror(code);
    } else {
        text = Curl()->easy_strerror(code);
        if (!lastReply.empty())
            text += ": " + lastReply.substr(0, kMaxReplyShown);
        else if (reply >= 100)
            text += ": " + std::to_string(reply);
    }
    if (osError != 0) {
        char buffer[128];
        text += std::string(" (") + strerror_r(static_cast<int>(osError), buffer, sizeof buffer) + ")";
    }
    return text;
}

// A reply line of the server: three digits, then a blank (last line) or a dash (more to come).
bool IsReplyLine(const std::string& line)
{
    return line.size() >= 4 && std::isdigit(static_cast<unsigned char>(line[0])) &&
           std::isdigit(static_cast<unsigned char>(line[1])) && std::isdigit(static_cast<unsigned char>(line[2])) &&
           (line[3] == ' ' || line[3] == '-');
}

// The size in a "213 <size>" reply to SIZE, or -1 for any other reply.
long long SizeFromReply(const std::string& reply)
{
    if (reply.compare(0, 4, "213 ") != 0)
        return -1;
    std::size_t at = 4;
    while (at < reply.size() && reply[at] == ' ')
        ++at;
    long long size = -1;
    const char* end = reply.data() + reply.size();
    const auto [next, error] = std::from_chars(reply.data() + at, end, size);
    if (error != std::errc() || next == reply.data() + at || size < 0)
        return -1;
    return size;
}

// Reads the local file for libcurl in large blocks straight into its upload buffer.
size_t ReadLocalFile(char* buffer, size_t size, size_t count, void* userdata)
{
    const int fd = *static_cast<int*>(userdata);
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size * count);
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR)
            return CURL_READFUNC_ABORT;
    }
}

class LocalFile {
public:
    explicit LocalFile(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~LocalFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    // The size of a readable regular file, or -1.
    curl_off_t Size() const
    {
        struct stat status {};
        if (m_fd < 0 || ::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode))
            return -1;
        return static_cast<curl_off_t>(status.st_size);
    }
    int* Descriptor() { return &m_fd; }

private:
    int m_fd;
};

}  // namespace

FtpClient::FtpClient(const FtpTimeouts& timeouts) : m_timeouts(timeouts), m_curl(nullptr), m_port(0) {}

FtpClient::~FtpClient()
{
    Close();
}

bool FtpClient::Login(const std::string& server, INTERNET_PORT port, const std::string& user,
                      const std::string& password, bool passive, DWORD* error, std::string* text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!IsPlainHost(server)) {
        *error = ERROR_INTERNET_INVALID_URL;
        *text = "Not a server name: \"" + server.substr(0, 120) + "\"";
        return false;
    }
    if (Curl() == nullptr) {
        *error = ERROR_INTERNET_INTERNAL_ERROR;
        *text = "The Internet library (libcurl.so.4) cannot be loaded";
        return false;
    }
    m_curl = Curl()->easy_init();
    if (m_curl == nullptr) {
        *error = ERROR_NOT_ENOUGH_MEMORY;
        *text = Curl()->easy_strerror(CURLE_OUT_OF_MEMORY);
        return false;
    }
    m_server = server;
    m_port = port;
    CURL* curl = Handle(m_curl);
    const FtpTimeouts& timeouts = m_timeouts;

    Curl()->easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    Curl()->easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    Curl()->easy_setopt(curl, CURLOPT_PROXY, "");  // no proxy from the environment: the program reads none
    Curl()->easy_setopt(curl, CURLOPT_USERNAME, user.c_str());
    Curl()->easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
    Curl()->easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    Curl()->easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeouts.serverResponseSeconds);
    Curl()->easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, timeouts.acceptMs);
    Curl()->easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    Curl()->easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, timeouts.stallSeconds);
    Curl()->easy_setopt(curl, CURLOPT_MAXAGE_CONN, kKeepConnectionSeconds);
    Curl()->easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    // libcurl hands every reply line of the server to the header function.
    Curl()->easy_setopt(curl, CURLOPT_HEADERFUNCTION, &FtpClient::CollectReply);
    Curl()->easy_setopt(curl, CURLOPT_HEADERDATA, this);
    if (passive) {
        Curl()->easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 0L);  // PASV, which small servers know
    } else {
        // Active mode: the scale opens the data connection back to this machine's address of the
        // control connection. PORT, not EPRT, which small embedded servers do not know.
        Curl()->easy_setopt(curl, CURLOPT_FTPPORT, "-");
        Curl()->easy_setopt(curl, CURLOPT_FTP_USE_EPRT, 0L);
    }

    // Logging in is a step of its own: the directory URL with no body sends USER, PASS and PWD and
    // keeps the connection for the stores that follow.
    const std::string url = "ftp://" + server + ":" + std::to_string(port) + "/";
    Curl()->easy_setopt(curl, CURLOPT_URL, url.c_str());
    Curl()->easy_setopt(curl, CURLOPT_NOBODY, 1L);
    m_lastReply.clear();
    const CURLcode code = Curl()->easy_perform(curl);
    if (code != CURLE_OK) {
        *error = ToInternetError(code);
        *text = DescribeFailure(curl, code, server, port, m_lastReply);
        Curl()->easy_cleanup(curl);
        m_curl = nullptr;
        return false;
    }
    return true;
}

bool FtpClient::Store(const std::string& localPath, const std::string& remoteName, DWORD transferType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastStoreFault.clear();
    if (m_curl == nullptr)
        return false;
    LocalFile file(localPath);
    const curl_off_t size = file.Size();
    if (size < 0)
        return false;
    if (size == 0) {
        // An empty image would replace the scale's program with nothing.
        m_lastStoreFault = "The image file is empty and was not sent: " + localPath;
        return false;
    }

    // Once the server has confirmed the store, ask it on the same connection what it now holds.
    // The "*" lets a server that does not know SIZE answer 5xx without failing the store. Text
    // transfers change line ends, so their sizes are not compared.
    const bool binary = transferType != FTP_TRANSFER_TYPE_ASCII;
    curl_slist* afterStore = nullptr;
    if (binary) {
        afterStore = Curl()->slist_append(nullptr, ("*SIZE " + remoteName).c_str());
        if (afterStore == nullptr)
            return false;
    }

    CURL* curl = Handle(m_curl);
    const std::string url = "ftp://" + m_server + ":" + std::to_string(m_port) + "/" + EscapeName(remoteName);
    Curl()->easy_setopt(curl, CURLOPT_NOBODY, 0L);
    Curl()->easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    Curl()->easy_setopt(curl, CURLOPT_URL, url.c_str());
    Curl()->easy_setopt(curl, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    Curl()->easy_setopt(curl, CURLOPT_UPLOAD_BUFFERSIZE, kUploadBufferSize);
    Curl()->easy_setopt(curl, CURLOPT_READFUNCTION, ReadLocalFile);
    Curl()->easy_setopt(curl, CURLOPT_READDATA, file.Descriptor());
    Curl()->easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, size);
    Curl()->easy_setopt(curl, CURLOPT_POSTQUOTE, afterStore);
    m_lastReply.clear();
    const CURLcode code = Curl()->easy_perform(curl);
    Curl()->easy_setopt(curl, CURLOPT_READDATA, nullptr);
    Curl()->easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
    if (afterStore != nullptr)
        Curl()->slist_free_all(afterStore);
    if (code != CURLE_OK)
        return false;

    // The last reply is the one to SIZE.
    const long long stored = binary ? SizeFromReply(m_lastReply) : -1;
    if (stored >= 0 && stored != size) {
        m_lastStoreFault = "The scale reports " + remoteName + " as " + std::to_string(stored) + " bytes, but " +
                           std::to_string(size) + " bytes were sent";
        return false;
    }
    return true;
}

size_t FtpClient::CollectReply(char* buffer, size_t size, size_t count, void* client)
{
    const size_t length = size * count;
    std::string line(buffer, length);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (IsReplyLine(line))
        static_cast<FtpClient*>(client)->m_lastReply = line;
    return length;
}

void FtpClient::Close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_curl != nullptr) {
        Curl()->easy_cleanup(Handle(m_curl));
        m_curl = nullptr;
    }
}

}  // namespace platform::net
