// The connection check on Step 2 against the answering simulated scale, from the click on "Check
// Connection..." to its result handled on the page, against a bare non-blocking connect and close
// made here, runs alternated.
#include <QAbstractButton>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "bench/Benches.h"
#include "bench/PostedMessageWait.h"
#include "bench/ResultSink.h"
#include "bench/Spread.h"
#include "bench/TickMonitor.h"
#include "resources/ControlIds.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/TestServices.h"
#include "tests/support/qt/WidgetAccess.h"
#include "tests/support/WizardHarness.h"

namespace {

constexpr int kFtpPort = 21;
constexpr int kRunTimeoutMs = 10000;

struct OurRun {
    double ms;
    double longestGapMs;
};

// socket, non-blocking connect, wait until writable, read the outcome, close.
std::optional<double> BareConnect()
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(kFtpPort);
    ::inet_pton(AF_INET, tarvel::test::kRecoveryAddress, &address.sin_addr);

    const BenchClock::time_point start = BenchClock::now();
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return std::nullopt;
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd watched{fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        connected = ::poll(&watched, 1, kRunTimeoutMs) == 1 &&
                    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    ::close(fd);
    const BenchClock::time_point end = BenchClock::now();
    if (!connected)
        return std::nullopt;
    return MsBetween(start, end);
}

}  // namespace

int RunCheckBench(const Options& options)
{
    const int runs = options.Number("runs", 31);
    ResultSink sink(options.Required("results"));

    WizardHarness bench;
    const auto settle = [&bench](int ms) { bench.PumpUntil([] { return false; }, ms); };
    CZeltoSheet& sheet = bench.Sheet();
    CZeltoPage2& page = sheet.m_Page2;
    std::strcpy(g_szScaleAddress, tarvel::test::kRecoveryAddress);
    sheet.m_nUpdateMode = MODE_BIOS_APLY;
    sheet.SetActivePage(&page);
    bench.Pump();
    auto* button = qobject_cast<QAbstractButton*>(test_services::WidgetOf(page.GetDlgItem(IDC_CHECK_CONNECTION)));
    if (button == nullptr) {
        std::fprintf(stderr, "check: the page has no Check Connection button\n");
        return 1;
    }
    PostedMessageWait wait;
    TickMonitor ticks;

    auto ours = [&]() -> std::optional<OurRun> {
        sheet.m_nConnectState = CONNECT_NOT_CHECKED;
        const std::size_t boxes = bench.boxes.size();
        ticks.Begin();
        const BenchClock::time_point start = BenchClock::now();
        button->click();
        const auto done = wait.Until([&page] { return page.m_bChecking == FALSE; }, kRunTimeoutMs);
        ticks.End();
        const double gap = ticks.LongestGapMs();
        bench.PumpUntil([] { return test_services::RunningWorkerThreads() == 0; }, kRunTimeoutMs);
        if (!done || sheet.m_nConnectState != CONNECT_OK || bench.boxes.size() != boxes) {
            std::fprintf(stderr, "check: our run failed%s%s\n", bench.boxes.size() != boxes ? ": " : "",
                         bench.boxes.size() != boxes ? bench.boxes.back().text.c_str() : "");
            return std::nullopt;
        }
        return OurRun{MsBetween(start, *done), gap};
    };

    std::vector<double> ourMs, gaps, bareMs;
    for (int i = 0; i <= runs; ++i) {
        const auto our = ours();
        settle(15);
        const auto bare = BareConnect();
        settle(15);
        if (!our || !bare) {
            if (!bare)
                std::fprintf(stderr, "check: the bare connect failed\n");
            return 1;
        }
        if (i == 0)
            continue;
        ourMs.push_back(our->ms);
        gaps.push_back(our->longestGapMs);
        bareMs.push_back(*bare);
    }

    const Spread our = SpreadOf(ourMs);
    const Spread bare = SpreadOf(bareMs);
    const Spread gap = SpreadOf(gaps);
    sink.AddRow("connection check on an answering scale (click to result handled)", FormatMs(our),
                "bare non-blocking connect + close: " + FormatMs(bare), FormatRatio(our.median / bare.median),
                "result <= 5 ms; ratio reported", our.median <= 5);
    sink.AddRow("UI responsiveness: longest gap between 5 ms ticks during a check", FormatMs(gap), "—", "—",
                "< 50 ms", gap.max < 50);
    sink.AddNote("connection check: " + std::to_string(runs) + " alternated pairs after one warm-up pair");
    return 0;
}
