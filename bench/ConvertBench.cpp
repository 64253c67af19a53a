// The conversion of an S-record image through the real conversion programs, as the sheet runs them
// from the program directory, against srec_cat alone with the command line SRECORD.EXE gives it,
// on the same file, runs alternated.
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "bench/Benches.h"
#include "bench/ChildProcess.h"
#include "bench/Clock.h"
#include "bench/Files.h"
#include "bench/ResultSink.h"
#include "bench/Spread.h"
#include "tests/support/ConverterFiles.h"
#include "tests/support/WizardHarness.h"

namespace {

constexpr int kRunTimeoutMs = 120000;

}  // namespace

int RunConvertBench(const Options& options)
{
    const std::string mot = options.Required("mot");
    const int runs = options.Number("runs", 5);
    ResultSink sink(options.Required("results"));

    WizardHarness bench;
    CZeltoSheet& sheet = bench.Sheet();
    try {
        converter_files::InstallConverters(bench.ProgramDir());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "convert: %s\n", e.what());
        return 1;
    }
    const std::string ourImage = bench.ProgramDir() + "/ZELTO.BIN";
    const std::string peerImage = bench.ProgramDir() + "/peer.bin";
    const std::string peerOutput = bench.ProgramDir() + "/srec_cat.out";

    auto ours = [&]() -> std::optional<double> {
        const std::size_t boxes = bench.boxes.size();
        const BenchClock::time_point start = BenchClock::now();
        const BOOL converted = sheet.ConvertMotToBin(mot, ImageKind::BOOT);
        const BenchClock::time_point end = BenchClock::now();
        bench.Pump();
        if (!converted || bench.boxes.size() != boxes || SizeOf(ourImage) <= 0) {
            std::fprintf(stderr, "convert: our run failed%s%s\n", bench.boxes.size() != boxes ? ": " : "",
                         bench.boxes.size() != boxes ? bench.boxes.back().text.c_str() : "");
            return std::nullopt;
        }
        return MsBetween(start, end);
    };
    auto peer = [&]() -> std::optional<double> {
        std::remove(peerImage.c_str());
        const ChildRun run = RunChild({"srec_cat", "(", mot, "-motorola", "-fill", "0xFF", "-over", mot, "-motorola",
                                       ")", "-offset", "-", "-minimum-addr", mot, "-motorola", "-o", peerImage,
                                       "-binary"},
                                      peerOutput, false, kRunTimeoutMs);
        if (!run.started || run.exitStatus != 0) {
            std::fprintf(stderr, "convert: srec_cat failed (status %d): %s\n", run.exitStatus,
                         converter_files::ReadFile(peerOutput).c_str());
            return std::nullopt;
        }
        return run.wallMs;
    };

    std::vector<double> ourMs, peerMs;
    for (int i = 0; i <= runs; ++i) {
        const auto our = ours();
        const auto theirs = peer();
        if (!our || !theirs)
            return 1;
        if (!SameContents(ourImage, peerImage)) {
            std::fprintf(stderr, "convert: our image and srec_cat's differ\n");
            return 1;
        }
        if (i == 0)
            continue;
        ourMs.push_back(*our);
        peerMs.push_back(*theirs);
        std::printf("  convert run %d: ours %.1f ms, srec_cat %.1f ms\n", i, *our, *theirs);
    }

    const Spread our = SpreadOf(ourMs);
    const Spread srec = SpreadOf(peerMs);
    const double ratio = our.median / srec.median;
    char figure[160];
    std::snprintf(figure, sizeof figure, "conversion of an S-record image of %.0f MB (%lld MB of data), ConvertMotToBin",
                  static_cast<double>(SizeOf(mot)) / (1 << 20), SizeOf(ourImage) >> 20);
    sink.AddRow(figure, FormatMs(our), "srec_cat alone: " + FormatMs(srec), FormatRatio(ratio), "<= 1.5x srec_cat",
                ratio <= 1.5);
    sink.AddNote("conversion: " + std::to_string(runs) +
                 " alternated pairs after one warm-up pair; every image compared with srec_cat's byte for byte");
    return 0;
}
