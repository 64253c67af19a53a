// The conversion of an S-record image through the real conversion programs, as the sheet runs them
// from the program directory, against srec_cat alone with the command line SRECORD.EXE gives it,
// on the same file, runs alternated.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "bench/BenchSheet.h"
#include "bench/Benches.h"
#include "bench/ChildProcess.h"
#include "bench/Clock.h"
#include "bench/Files.h"
#include "bench/ResultSink.h"
#include "bench/Spread.h"

namespace {

constexpr int kRunTimeoutMs = 120000;
const char* const kConverters[] = {"ConvertBoot.bat", "SRECORD.EXE", "CNVS.EXE"};

bool CopyConverters(const std::string& from, const std::string& to)
{
    namespace fs = std::filesystem;
    for (const char* name : kConverters) {
        std::error_code error;
        fs::copy_file(fs::path(from) / name, fs::path(to) / name, fs::copy_options::overwrite_existing, error);
        if (error) {
            std::fprintf(stderr, "convert: cannot copy %s from %s: %s\n", name, from.c_str(), error.message().c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int RunConvertBench(const Options& options)
{
    const std::string mot = options.Required("mot");
    const std::string converters = options.Required("converters");
    const int runs = options.Number("runs", 5);
    ResultSink sink(options.Required("results"));

    BenchSheet bench;
    CZeltoSheet& sheet = bench.Sheet();
    if (!CopyConverters(converters, bench.ProgramDir()))
        return 1;
    const std::string ourImage = bench.ProgramDir() + "/ZELTO.BIN";
    const std::string peerImage = bench.ProgramDir() + "/peer.bin";
    const std::string peerOutput = bench.ProgramDir() + "/srec_cat.out";

    auto ours = [&]() -> std::optional<double> {
        const std::size_t boxes = bench.Boxes().size();
        const BenchClock::time_point start = BenchClock::now();
        const BOOL converted = sheet.ConvertMotToBin(mot, ImageKind::BOOT);
        const BenchClock::time_point end = BenchClock::now();
        BenchSheet::Pump();
        if (!converted || bench.Boxes().size() != boxes || SizeOf(ourImage) <= 0) {
            std::fprintf(stderr, "convert: our run failed%s%s\n", bench.Boxes().size() != boxes ? ": " : "",
                         bench.Boxes().size() != boxes ? bench.Boxes().back().c_str() : "");
            return std::nullopt;
        }
        return MsBetween(start, end);
    };
    auto peer = [&]() -> std::optional<double> {
        RemoveIfThere(peerImage);
        const ChildRun run = RunChild({"srec_cat", "(", mot, "-motorola", "-fill", "0xFF", "-over", mot, "-motorola",
                                       ")", "-offset", "-", "-minimum-addr", mot, "-motorola", "-o", peerImage,
                                       "-binary"},
                                      peerOutput, false, kRunTimeoutMs);
        if (!run.started || run.exitStatus != 0) {
            std::fprintf(stderr, "convert: srec_cat failed (status %d): %s\n", run.exitStatus,
                         ReadSmallFile(peerOutput).c_str());
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
