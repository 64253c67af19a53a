// Start-up: from the process's start to the intro page painted, and the peak memory on the way,
// against a bare Qt dialog with one label on the same platform plugin, runs alternated. Both are
// started fresh each time and end themselves at their first paint (bench/start/).
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "bench/Benches.h"
#include "bench/ChildProcess.h"
#include "bench/ResultSink.h"
#include "bench/Spread.h"
#include "tests/support/ConverterFiles.h"

namespace {

constexpr int kRunTimeoutMs = 30000;

struct StartRun {
    double ms;
    double rssKb;
};

std::optional<StartRun> Start(const std::string& program, const std::string& output)
{
    const ChildRun run = RunChild({program}, output, true, kRunTimeoutMs);
    if (!run.started || run.exitStatus != 0 || run.readyMs < 0) {
        std::fprintf(stderr, "startup: %s failed (status %d%s): %s\n", program.c_str(), run.exitStatus,
                     run.timedOut ? ", timed out" : "", converter_files::ReadFile(output).c_str());
        return std::nullopt;
    }
    return StartRun{run.readyMs, static_cast<double>(run.maxRssKb)};
}

}  // namespace

int RunStartupBench(const Options& options)
{
    const std::string ours = options.Required("ours");
    const std::string peer = options.Required("peer");
    const std::string output = options.Required("results") + "/startup.out";
    const int runs = options.Number("runs", 11);
    ResultSink sink(options.Required("results"));
    const char* platformName = std::getenv("QT_QPA_PLATFORM");
    const std::string plugin = platformName != nullptr ? platformName : "default";

    std::vector<double> ourMs, ourRss, peerMs, peerRss;
    for (int i = 0; i <= runs; ++i) {
        const auto our = Start(ours, output);
        const auto theirs = Start(peer, output);
        if (!our || !theirs)
            return 1;
        if (i == 0)
            continue;
        ourMs.push_back(our->ms);
        ourRss.push_back(our->rssKb);
        peerMs.push_back(theirs->ms);
        peerRss.push_back(theirs->rssKb);
    }

    const Spread ourTime = SpreadOf(ourMs);
    const Spread peerTime = SpreadOf(peerMs);
    const Spread ourMemory = SpreadOf(ourRss);
    const Spread peerMemory = SpreadOf(peerRss);
    const double timeRatio = ourTime.median / peerTime.median;
    const double memoryRatio = ourMemory.median / peerMemory.median;
    sink.AddRow("start-up: process start to the intro page painted (" + plugin + ")", FormatMs(ourTime),
                "bare Qt dialog with one label: " + FormatMs(peerTime), FormatRatio(timeRatio), "<= 1.3x",
                timeRatio <= 1.3);
    sink.AddRow("start-up: peak memory (max RSS) up to that paint (" + plugin + ")", FormatMb(ourMemory),
                "bare Qt dialog with one label: " + FormatMb(peerMemory), FormatRatio(memoryRatio), "<= 1.3x",
                memoryRatio <= 1.3);
    sink.AddNote("start-up: " + std::to_string(runs) + " alternated pairs after one warm-up pair, each a fresh process "
                 "ended at its first paint; platform plugin " + plugin);
    return 0;
}
