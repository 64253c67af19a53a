// The upload of a large image from the BOOT copy page to the simulated scale, against curl sending
// the same file to the same scale in the same active mode, runs alternated.
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "bench/Benches.h"
#include "bench/ChildProcess.h"
#include "bench/Files.h"
#include "bench/PostedMessageWait.h"
#include "bench/ProcessCpu.h"
#include "bench/ResultSink.h"
#include "bench/Spread.h"
#include "bench/TickMonitor.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/TestServices.h"
#include "tests/support/WizardHarness.h"

namespace {

constexpr const char* kRemoteName = "d:\\boot.bin";
constexpr int kRunTimeoutMs = 120000;

struct OurRun {
    double ms;
    double longestGapMs;
};

}  // namespace

int RunUploadBench(const Options& options)
{
    const std::string image = options.Required("image");
    const std::string store = options.Required("store");
    const std::string stored = store + "/" + kRemoteName;
    const int runs = options.Number("runs", 11);
    ResultSink sink(options.Required("results"));
    const long long imageSize = SizeOf(image);
    const std::string label = std::to_string(imageSize >> 20) + " MB";

    WizardHarness bench;
    // The event loop runs a little while between runs, so that what one run left behind settles first.
    const auto settle = [&bench](int ms) { bench.PumpUntil([] { return false; }, ms); };
    CZeltoSheet& sheet = bench.Sheet();
    CZeltoPage4& page = sheet.m_Page4;
    sheet.m_nUpdateMode = MODE_BIOS_APLY;
    sheet.m_strBootFile = image;
    PostedMessageWait wait;
    TickMonitor ticks;

    // From the page's activation to its result handled, with the UI thread's ticks watched throughout.
    auto ours = [&]() -> std::optional<OurRun> {
        std::remove(stored.c_str());
        page.m_bCopyDone = FALSE;
        sheet.m_strUploadFile = image;
        const std::size_t boxes = bench.boxes.size();
        ticks.Begin();
        const BenchClock::time_point start = BenchClock::now();
        sheet.SetActivePage(&page);
        const auto done = wait.Until([&page] { return page.m_bCopyDone != FALSE; }, kRunTimeoutMs);
        ticks.End();
        const double gap = ticks.LongestGapMs();
        bench.PumpUntil([] { return test_services::RunningWorkerThreads() == 0; }, kRunTimeoutMs);
        if (!done || !page.m_bCopyOK || bench.boxes.size() != boxes || !SameContents(image, stored)) {
            std::fprintf(stderr, "upload: our run failed%s%s\n", bench.boxes.size() != boxes ? ": " : "",
                         bench.boxes.size() != boxes ? bench.boxes.back().text.c_str() : "");
            return std::nullopt;
        }
        return OurRun{MsBetween(start, *done), gap};
    };
    // curl from its start to its end; its own transfer time (-w time_total) is kept beside.
    const std::string curlOutput = bench.ProgramDir() + "/curl.out";
    const std::string remoteUrl = std::string("ftp://") + tarvel::test::kRecoveryAddress + "/d:%5Cboot.bin";
    auto peer = [&](double* ownMs) -> std::optional<double> {
        std::remove(stored.c_str());
        const ChildRun run = RunChild({"curl", "-sS", "-T", image, remoteUrl, "--user", "test:vamek", "--ftp-port",
                                       "-", "--disable-eprt", "-w", "%{time_total}"},
                                      curlOutput, false, kRunTimeoutMs);
        if (!run.started || run.exitStatus != 0 || !SameContents(image, stored)) {
            std::fprintf(stderr, "upload: curl failed (status %d): %s\n", run.exitStatus,
                         converter_files::ReadFile(curlOutput).c_str());
            return std::nullopt;
        }
        *ownMs = std::atof(converter_files::ReadFile(curlOutput).c_str()) * 1000;
        return run.wallMs;
    };

    // The scale's own processor time per run shows whether it set the pace.
    const pid_t scale = FindProcess("scale_sim.py", store);
    double scaleOursMs = 0;
    double scaleCurlMs = 0;

    // One pair to warm the caches, the page and the scale up, then the counted pairs.
    std::vector<double> ourMs, gaps, curlMs, curlOwnMs;
    for (int i = 0; i <= runs; ++i) {
        const double scaleBefore = ProcessCpuMs(scale);
        const auto our = ours();
        const double scaleBetween = ProcessCpuMs(scale);
        settle(30);
        double own = 0;
        const double scaleBeforeCurl = ProcessCpuMs(scale);
        const auto theirs = peer(&own);
        const double scaleAfter = ProcessCpuMs(scale);
        settle(30);
        if (!our || !theirs)
            return 1;
        if (i == 0)
            continue;
        scaleOursMs += scaleBetween - scaleBefore;
        scaleCurlMs += scaleAfter - scaleBeforeCurl;
        ourMs.push_back(our->ms);
        gaps.push_back(our->longestGapMs);
        curlMs.push_back(*theirs);
        curlOwnMs.push_back(own);
        std::printf("  upload run %d: ours %.1f ms, curl %.1f ms (its own %.1f ms), longest UI gap %.1f ms\n", i,
                    our->ms, *theirs, own, our->longestGapMs);
    }

    const Spread our = SpreadOf(ourMs);
    const Spread curl = SpreadOf(curlMs);
    const Spread curlOwn = SpreadOf(curlOwnMs);
    const Spread gap = SpreadOf(gaps);
    const double ratio = our.median / curl.median;
    sink.AddRow("upload of a " + label + " image (copy page activation to result handled)", FormatMs(our),
                "curl -T, active mode: " + FormatMs(curl), FormatRatio(ratio), "<= 1.05x curl", ratio <= 1.05);
    sink.AddInfoRow("upload of a " + label + " image vs curl's own transfer time (-w time_total, no process start)",
                    FormatMs(our), FormatMs(curlOwn), FormatRatio(our.median / curlOwn.median));
    sink.AddRow("UI responsiveness: longest gap between 5 ms ticks during the " + label + " upload", FormatMs(gap),
                "—", "—", "< 50 ms", gap.max < 50);
    const double megabytes = static_cast<double>(imageSize) / (1 << 20);
    char note[512];
    std::snprintf(note, sizeof note,
                  "upload: %d alternated pairs after one warm-up pair; throughput ours %.0f MB/s, curl %.0f MB/s "
                  "(wall), %.0f MB/s (its own time); every stored file compared byte for byte",
                  runs, megabytes / our.median * 1000, megabytes / curl.median * 1000,
                  megabytes / curlOwn.median * 1000);
    sink.AddNote(note);
    if (scale > 0) {
        double ourTotal = 0, curlTotal = 0;
        for (double ms : ourMs)
            ourTotal += ms;
        for (double ms : curlOwnMs)
            curlTotal += ms;
        std::snprintf(note, sizeof note,
                      "upload: the simulated scale (one Python thread) used %.0f ms of processor time per upload "
                      "during ours and %.0f ms during curl's, i.e. it was busy %.0f%% of our upload time and %.0f%% "
                      "of curl's own transfer time (near 100%% the scale is the ceiling, for both senders alike)",
                      scaleOursMs / runs, scaleCurlMs / runs, 100 * scaleOursMs / ourTotal,
                      100 * scaleCurlMs / curlTotal);
        sink.AddNote(note);
    }
    return 0;
}
