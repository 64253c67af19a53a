// The SDK side of the backend's FTP client (see FtpSession.h for why it exists).
//
// Every wait is a select of at most a quarter of a second, after which the caller's tick is due:
// that is what lets a silent server be counted from its first silent moment, and what keeps each
// bound to its own step. Sockets are non-blocking throughout, so no call can hold the thread.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/win32/net/FtpSession.h"

namespace win32::ftp {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kSlice(250);
constexpr std::chrono::milliseconds kMovingTick(50);  // while bytes move: the caller paces its own reports
constexpr std::chrono::milliseconds kQuitWait(1000);
// The data connection's send buffer. What it holds has not reached the scale; kept small, what has
// left it is close to what the scale took, as the Linux backend's unsent limit keeps it there. Not
// smaller: at 32 KB the acknowledgements the receiver delays held a 5 MB store on the loopback for
// 3.6 s instead of 0.1 s.
constexpr int kSendBuffer = 64 * 1024;
constexpr DWORD kChunk = 64 * 1024;

long long MsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A socket that cannot be inherited: a converter started by the command processor must not keep the
// scale's connection open.
SOCKET NewSocket()
{
    return ::WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
}

bool SetNonBlocking(SOCKET s)
{
    u_long on = 1;
    return ::ioctlsocket(s, FIONBIO, &on) == 0;
}

// Let go at once, unsent data and all: used when the transfer has failed and nothing may wait on it.
void Abort(SOCKET& s)
{
    if (s == INVALID_SOCKET)
        return;
    const linger now{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&now), sizeof now);
    ::closesocket(s);
    s = INVALID_SOCKET;
}

// Which of up to two sockets are ready; each is watched for reading or for writing (a connect's
// failure shows in the exception set, which is watched with writing). Waits at most ms.
struct Ready {
    bool first = false;
    bool second = false;
    bool failed = false;  // the first socket's connect failed
    int error = 0;        // select itself failed
};

Ready WaitFor(SOCKET first, bool firstWrite, SOCKET second, bool secondWrite, long long ms)
{
    fd_set reads, writes, exceptions;
    FD_ZERO(&reads);
    FD_ZERO(&writes);
    FD_ZERO(&exceptions);
    FD_SET(first, firstWrite ? &writes : &reads);
    if (firstWrite)
        FD_SET(first, &exceptions);
    if (second != INVALID_SOCKET)
        FD_SET(second, secondWrite ? &writes : &reads);
    const long long wait = std::max(0LL, ms);
    timeval limit{static_cast<long>(wait / 1000), static_cast<long>(wait % 1000 * 1000)};
    Ready ready;
    if (::select(0, &reads, &writes, &exceptions, &limit) == SOCKET_ERROR) {
        ready.error = ::WSAGetLastError();
        return ready;
    }
    ready.failed = firstWrite && FD_ISSET(first, &exceptions);
    ready.first = FD_ISSET(first, firstWrite ? &writes : &reads) || ready.failed;
    ready.second = second != INVALID_SOCKET && FD_ISSET(second, secondWrite ? &writes : &reads);
    return ready;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// Winsock held for as long as a session lives, as WinInet's own session holds it: a program (or a
// test) that opens an FTP session without AfxSocketInit otherwise fails every step with 10093.
// WSAStartup counts its callers, so this and the program's own start nest.
struct WinsockHeld {
    bool started;
    WinsockHeld()
    {
        WSADATA data;
        started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockHeld()
    {
        if (started)
            ::WSACleanup();
    }
    WinsockHeld(const WinsockHeld&) = delete;
    WinsockHeld& operator=(const WinsockHeld&) = delete;
};

struct Session::Impl {
    WinsockHeld winsock;  // first, so that it goes last
    Bounds bounds;
    SOCKET control = INVALID_SOCKET;
    bool usable = false;  // logged in, and no step left the conversation in doubt
    std::string inbox;    // received from the server, not yet a whole reply
    Failure failure;

    // The caller's tick and what it was told.
    Tick tick;
    Clock::time_point lastTick;
    long long told = 0;     // bytes told to the tick
    long long reached = 0;  // bytes known to have reached the server

    explicit Impl(const Bounds& b) : bounds(b) {}

    void StartTicks(const Tick& t)
    {
        tick = t;
        lastTick = Clock::now();
        told = reached = 0;
    }

    // The tick is the caller's for one call only: it may not outlive what it tells.
    struct TicksFor {
        Impl& impl;
        TicksFor(Impl& i, const Tick& t) : impl(i) { impl.StartTicks(t); }
        ~TicksFor() { impl.tick = nullptr; }
    };

    // Tells what reached the server since the last call: every twentieth of a second while bytes
    // move, every quarter of a second (with 0) while nothing does.
    void TickIfDue(bool now = false)
    {
        if (!now && Clock::now() - lastTick < (reached > told ? kMovingTick : kSlice))
            return;
        lastTick = Clock::now();
        const auto bytes = static_cast<unsigned long>(std::clamp<long long>(reached - told, 0, 0xFFFFFFFFLL));
        told += bytes;
        if (tick)
            tick(bytes);
    }

    // The time to wait before the tick is due again or the deadline comes, whichever is first.
    long long SliceMs(Clock::time_point deadline) const
    {
        const auto untilTick = lastTick + kSlice - Clock::now();
        const auto untilDeadline = deadline - Clock::now();
        const auto wait = std::min(untilTick, untilDeadline);
        return std::max(0LL, static_cast<long long>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
    }

    bool Fail(Fault fault, int socketError = 0, long long elapsedMs = 0)
    {
        failure.fault = fault;
        failure.socketError = socketError;
        failure.elapsedMs = elapsedMs;
        return false;
    }

    // The conversation is no longer in a known state: nothing more is sent on it.
    bool Break(Fault fault, int socketError = 0, long long elapsedMs = 0)
    {
        usable = false;
        return Fail(fault, socketError, elapsedMs);
    }

    // A whole reply taken from the inbox, its last line kept: true with its code.
    bool TakeReply(int* code)
    {
        std::size_t start = 0;
        for (std::size_t end; (end = inbox.find('\n', start)) != std::string::npos; start = end + 1) {
            std::string line = inbox.substr(start, end - start);
            while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
                line.pop_back();
            const bool coded = line.size() >= 4 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]) &&
                               (line[3] == ' ' || line[3] == '-');
            if (coded)
                failure.lastReply = line;
            // The last line of a reply: three digits and a blank (a bare "220" counts too).
            if ((coded && line[3] == ' ') ||
                (line.size() == 3 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]))) {
                if (!coded)
                    failure.lastReply = line;
                *code = std::stoi(line.substr(0, 3));
                failure.lastCode = *code;
                inbox.erase(0, end + 1);
                return true;
            }
        }
        return false;
    }

    // Reads what the server has sent without waiting; false when the connection has ended.
    bool Receive()
    {
        char buffer[1024];
        for (;;) {
            const int n = ::recv(control, buffer, sizeof buffer, 0);
            if (n > 0) {
                inbox.append(buffer, static_cast<std::size_t>(n));
                if (inbox.size() > 64 * 1024)  // no reply is that long: a server talking nonsense
                    return Break(Fault::Closed);
                continue;
            }
            const int error = n == 0 ? 0 : ::WSAGetLastError();
            if (error == WSAEWOULDBLOCK)
                return true;
            return Break(Fault::Closed, error);
        }
    }

    // The next reply, waited for at most the reply time-out.
    bool ReadReply(int* code)
    {
        const auto start = Clock::now();
        const auto deadline = start + std::chrono::seconds(bounds.replySeconds);
        for (;;) {
            if (TakeReply(code))
                return true;
            if (Clock::now() >= deadline)
                return Break(Fault::NoReply, 0, MsSince(start));
            const Ready ready = WaitFor(control, false, INVALID_SOCKET, false, SliceMs(deadline));
            if (ready.error != 0)
                return Break(Fault::Closed, ready.error);
            if (ready.first && !Receive())
                return false;
            TickIfDue();
        }
    }

    // A reply if one has come, without waiting: true with its code; false with 0 when none has.
    bool PollReply(int* code)
    {
        *code = 0;
        const Ready ready = WaitFor(control, false, INVALID_SOCKET, false, 0);
        if (ready.error != 0)
            return Break(Fault::Closed, ready.error);
        if (ready.first && !Receive())
            return false;
        return TakeReply(code);
    }

    bool Send(const std::string& command)
    {
        const std::string line = command + "\r\n";
        const auto deadline = Clock::now() + std::chrono::seconds(bounds.replySeconds);
        for (std::size_t sent = 0; sent < line.size();) {
            const int n = ::send(control, line.data() + sent, static_cast<int>(line.size() - sent), 0);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
                continue;
            }
            const int error = ::WSAGetLastError();
            if (error != WSAEWOULDBLOCK)
                return Break(Fault::Closed, error);
            if (Clock::now() >= deadline)
                return Break(Fault::NoReply);
            const Ready ready = WaitFor(control, true, INVALID_SOCKET, false, SliceMs(deadline));
            if (ready.error != 0)
                return Break(Fault::Closed, ready.error);
            TickIfDue();
        }
        return true;
    }

    bool Command(const std::string& command, int* code)
    {
        return Send(command) && ReadReply(code);
    }

    // The server's address: a dotted one as it stands, a name through the resolver.
    bool Resolve(const std::string& server, in_addr* address)
    {
        address->s_addr = ::inet_addr(server.c_str());
        if (address->s_addr != INADDR_NONE && address->s_addr != INADDR_ANY)
            return true;
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (::getaddrinfo(server.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
            return Fail(Fault::BadName);
        *address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
        ::freeaddrinfo(found);
        return true;
    }

    bool Connect(const in_addr& address, std::uint16_t port)
    {
        const auto start = Clock::now();
        const auto deadline = start + std::chrono::milliseconds(bounds.connectMs);
        control = NewSocket();
        if (control == INVALID_SOCKET || !SetNonBlocking(control))
            return Fail(Fault::Local, ::WSAGetLastError());
        sockaddr_in peer{};
        peer.sin_family = AF_INET;
        peer.sin_port = ::htons(port);
        peer.sin_addr = address;
        if (address.s_addr == INADDR_ANY || port == 0)  // Windows' answer; Wine would reach this machine
            return Fail(Fault::CannotConnect, WSAEADDRNOTAVAIL, MsSince(start));
        if (::connect(control, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0 &&
            ::WSAGetLastError() != WSAEWOULDBLOCK)
            return Fail(Fault::CannotConnect, ::WSAGetLastError(), MsSince(start));
        for (;;) {
            const Ready ready = WaitFor(control, true, INVALID_SOCKET, false, SliceMs(deadline));
            if (ready.error != 0)
                return Fail(Fault::Local, ready.error, MsSince(start));
            if (ready.failed) {
                int error = 0;
                int length = sizeof error;
                ::getsockopt(control, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
                return Fail(Fault::CannotConnect, error != 0 ? error : WSAECONNREFUSED, MsSince(start));
            }
            if (ready.first)
                return true;
            if (Clock::now() >= deadline)
                return Fail(Fault::ConnectTimeout, 0, MsSince(start));
            TickIfDue();
        }
    }

    bool LogIn(const std::string& user, const std::string& password)
    {
        int code = 0;
        do {  // "120 ready in a moment" comes before the greeting proper
            if (!ReadReply(&code))
                return false;
        } while (code >= 100 && code < 200);
        if (code != 220)
            return Break(code == 530 || code == 421 ? Fault::LoginDenied : Fault::BadGreeting);
        if (!Command("USER " + user, &code))
            return false;
        if (code == 331 && !Command("PASS " + password, &code))
            return false;
        if (code != 230 && code != 202)
            return Break(Fault::LoginDenied);
        usable = true;
        return true;
    }

    // A socket listening on this machine's end of the control connection, and the PORT command
    // that names it.
    bool Listen(SOCKET* listener, std::string* portCommand)
    {
        sockaddr_in local{};
        int length = sizeof local;
        if (::getsockname(control, reinterpret_cast<sockaddr*>(&local), &length) != 0)
            return Fail(Fault::Local, ::WSAGetLastError());
        local.sin_port = 0;
        *listener = NewSocket();
        const int sendBuffer = kSendBuffer;  // the accepted data connection starts with it
        if (*listener == INVALID_SOCKET ||
            ::setsockopt(*listener, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&sendBuffer),
                         sizeof sendBuffer) != 0 ||
            ::bind(*listener, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 ||
            ::listen(*listener, 1) != 0 || !SetNonBlocking(*listener) ||
            ::getsockname(*listener, reinterpret_cast<sockaddr*>(&local), &length) != 0)
            return Fail(Fault::Local, ::WSAGetLastError());
        const auto* a = reinterpret_cast<const unsigned char*>(&local.sin_addr);
        const unsigned port = ::ntohs(local.sin_port);
        char text[64];
        std::snprintf(text, sizeof text, "PORT %u,%u,%u,%u,%u,%u", a[0], a[1], a[2], a[3], port >> 8, port & 0xFF);
        *portCommand = text;
        return true;
    }

    // After STOR: the server's preliminary reply and its data connection, each within its bound.
    bool AwaitData(SOCKET listener, SOCKET* data)
    {
        const auto start = Clock::now();
        const auto acceptBy = start + std::chrono::milliseconds(bounds.acceptMs);
        const auto replyBy = start + std::chrono::seconds(bounds.replySeconds);
        bool preliminary = false;
        for (;;) {
            int code = 0;
            if (!preliminary && TakeReply(&code)) {
                if (code < 100 || code >= 200)
                    return Fail(Fault::Refused);  // 550 and the like: the conversation goes on
                preliminary = true;
            }
            if (preliminary && *data != INVALID_SOCKET)
                return true;
            const auto now = Clock::now();
            if (*data == INVALID_SOCKET && now >= acceptBy)
                return Break(Fault::AcceptTimeout, 0, MsSince(start));
            if (!preliminary && now >= replyBy)
                return Break(Fault::NoReply, 0, MsSince(start));
            const auto deadline =
                *data != INVALID_SOCKET ? replyBy : preliminary ? acceptBy : std::min(acceptBy, replyBy);
            const Ready ready = WaitFor(control, false, *data == INVALID_SOCKET ? listener : INVALID_SOCKET, false,
                                        SliceMs(deadline));
            if (ready.error != 0)
                return Break(Fault::Closed, ready.error);
            if (ready.first && !Receive())
                return false;
            if (ready.second) {
                *data = ::accept(listener, nullptr, nullptr);
                if (*data == INVALID_SOCKET && ::WSAGetLastError() != WSAEWOULDBLOCK)
                    return Break(Fault::DataBroken, ::WSAGetLastError());
                if (*data != INVALID_SOCKET && !SetNonBlocking(*data))
                    return Break(Fault::DataBroken, ::WSAGetLastError());
            }
            TickIfDue();
        }
    }

    // Sends the file over the data connection. What the socket still holds has not reached the
    // scale: the bytes told are those handed over less twice the send buffer's size. Windows holds
    // at most the size asked for; under Wine the Linux kernel holds up to twice what it reports (with
    // 64 KB asked and once that size taken off, 393216 bytes were told to a scale that had taken
    // about 330000).
    bool SendData(HANDLE file, long long size, SOCKET data)
    {
        int capacity = kSendBuffer;
        int length = sizeof capacity;
        ::setsockopt(data, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&kSendBuffer), sizeof kSendBuffer);
        ::getsockopt(data, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<char*>(&capacity), &length);
        const long long unsentAtMost = 2LL * std::max(capacity, kSendBuffer);
        std::vector<char> chunk(kChunk);
        DWORD filled = 0;
        DWORD offset = 0;
        long long handed = 0;
        auto lastMove = Clock::now();
        while (handed < size) {
            if (offset == filled) {
                if (!::ReadFile(file, chunk.data(), kChunk, &filled, nullptr) || filled == 0)
                    return Break(Fault::Local, static_cast<int>(::GetLastError()));
                offset = 0;
            }
            const int n = ::send(data, chunk.data() + offset, static_cast<int>(filled - offset), 0);
            if (n > 0) {
                offset += static_cast<DWORD>(n);
                handed += n;
                lastMove = Clock::now();
                reached = std::max(reached, handed - unsentAtMost);
                TickIfDue();
                continue;
            }
            const int error = ::WSAGetLastError();
            if (error != WSAEWOULDBLOCK)
                return Break(Fault::DataBroken, error);
            // The server may give up the store on the control connection while the data waits.
            int code = 0;
            if (PollReply(&code))
                return Break(Fault::Refused);
            if (!usable)
                return false;
            const auto stallBy = lastMove + std::chrono::seconds(bounds.stallSeconds);
            if (Clock::now() >= stallBy)
                return Break(Fault::Stalled, 0, MsSince(lastMove));
            const Ready ready = WaitFor(data, true, INVALID_SOCKET, false, SliceMs(stallBy));
            if (ready.error != 0 || ready.failed)
                return Break(Fault::DataBroken, ready.error);
            TickIfDue();
        }
        return true;
    }

    // Everything handed over: the end of the data goes after it, and the server, having read it
    // all, closes its end. Until then the last buffer's worth has not arrived; a server that stops
    // reading is given up after the stall time, and one that answers on the control connection
    // first has said what it had to.
    bool FinishData(SOCKET data, long long size)
    {
        ::shutdown(data, SD_SEND);
        const auto stallBy = Clock::now() + std::chrono::seconds(bounds.stallSeconds);
        for (;;) {
            const Ready ready = WaitFor(data, false, control, false, SliceMs(stallBy));
            if (ready.error != 0)
                return Break(Fault::DataBroken, ready.error);
            if (ready.first) {
                char ignored[512];
                const int n = ::recv(data, ignored, sizeof ignored, 0);
                if (n == 0 || (n < 0 && ::WSAGetLastError() != WSAEWOULDBLOCK))
                    break;
            }
            if (ready.second)
                break;  // the final reply, read by the caller
            if (Clock::now() >= stallBy)
                return Break(Fault::Stalled);
            TickIfDue();
        }
        reached = size;
        return true;
    }

    bool StoreFile(HANDLE file, long long size, const std::string& remoteName, StoreOutcome* outcome)
    {
        int code = 0;
        if (!Command("TYPE I", &code))
            return false;
        if (code != 200)
            return Fail(Fault::Refused);
        // Both sockets go however the store ends, a tick that throws included.
        struct Sockets {
            SOCKET listener = INVALID_SOCKET;
            SOCKET data = INVALID_SOCKET;
            ~Sockets() { Abort(listener); Abort(data); }
        } sockets;
        std::string portCommand;
        if (!Listen(&sockets.listener, &portCommand) || !Command(portCommand, &code))
            return false;
        if (code < 200 || code >= 300)
            return Fail(Fault::Refused);
        if (!Send("STOR " + remoteName) || !AwaitData(sockets.listener, &sockets.data))
            return false;
        Abort(sockets.listener);
        if (!SendData(file, size, sockets.data) || !FinishData(sockets.data, size))
            return false;
        ::closesocket(sockets.data);
        sockets.data = INVALID_SOCKET;
        if (!ReadReply(&code))
            return false;
        if (code != 226 && code != 250)
            return Fail(Fault::Refused);
        outcome->stored = true;
        TickIfDue(true);

        // What the server now holds under the name; a server that does not know SIZE (500, 502)
        // is taken at its word.
        if (!Command("SIZE " + remoteName, &code))
            return outcome->stored = false;
        if (code == 213) {
            const std::string& reply = failure.lastReply;
            const std::size_t at = reply.find_first_not_of(' ', 4);
            if (at != std::string::npos) {
                char* end = nullptr;
                const long long reported = std::strtoll(reply.c_str() + at, &end, 10);
                if (end != reply.c_str() + at && reported >= 0)
                    outcome->reportedSize = reported;
            }
        }
        return true;
    }
};

Session::Session(const Bounds& bounds) : m_impl(new Impl(bounds)) {}

Session::~Session() { Close(); }

const Failure& Session::failure() const { return m_impl->failure; }

bool Session::Open(const std::string& server, std::uint16_t port, const std::string& user,
                   const std::string& password, const Tick& tick)
{
    Impl& s = *m_impl;
    const Impl::TicksFor ticks(s, tick);
    in_addr address{};
    return s.Resolve(server, &address) && s.Connect(address, port) && s.LogIn(user, password);
}

bool Session::Store(const std::string& localPath, const std::string& remoteName, const Tick& tick,
                    StoreOutcome* outcome)
{
    Impl& s = *m_impl;
    *outcome = StoreOutcome();
    s.failure.fault = Fault::None;
    s.failure.socketError = 0;
    // A folder cannot be opened this way, and so is no image.
    const HANDLE file = ::CreateFileA(localPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    LARGE_INTEGER size{};
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool known = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &size);
    outcome->readable = known;
    outcome->localSize = known ? size.QuadPart : 0;
    bool stored = false;
    try {
        if (known && size.QuadPart > 0 && s.usable) {
            const Impl::TicksFor ticks(s, tick);
            stored = s.StoreFile(file, size.QuadPart, remoteName, outcome);
        }
    } catch (...) {
        // The tick threw: where the conversation stands is unknown, so it ends here.
        s.usable = false;
        ::CloseHandle(file);
        throw;
    }
    ::CloseHandle(file);
    return stored;
}

void Session::Close()
{
    Impl& s = *m_impl;
    if (s.control == INVALID_SOCKET)
        return;
    if (s.usable && s.Send("QUIT")) {
        // A moment for the goodbye, so that the server ends the session itself; no longer.
        const auto by = Clock::now() + kQuitWait;
        int code = 0;
        bool goodbye = false;
        while (s.usable && !(goodbye = s.TakeReply(&code)) && Clock::now() < by) {
            const Ready ready = WaitFor(s.control, false, INVALID_SOCKET, false,
                                        std::chrono::ceil<std::chrono::milliseconds>(by - Clock::now()).count());
            if (ready.error != 0 || (ready.first && !s.Receive()))
                break;
        }
        if (goodbye) {
            ::closesocket(s.control);
            s.control = INVALID_SOCKET;
        }
    }
    s.usable = false;
    Abort(s.control);
}

}  // namespace win32::ftp
