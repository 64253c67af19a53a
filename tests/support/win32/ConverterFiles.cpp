// The Windows side of the conversion tests' files. A Windows test program cannot start srec_cat, so
// the images are written here as srec_cat writes them: its header record, the chunks in address order
// (chunks that touch make one run) in records of 32 data bytes counted from each run's start, each
// record as wide as the chosen address length or, when its address needs more, as that needs, then
// the count of data records (S5, or S6 above 65535) and, for an image with a start address, the
// termination record of the same rule. Lines end in LF alone, as srec_cat's do on Linux.
#include "tests/support/ConverterFiles.h"

#include <algorithm>

namespace converter_files {

namespace {

constexpr std::size_t kRecordBytes = 32;
constexpr char kHeaderText[] = "http://srecord.sourceforge.net/";

int AddressBytesFor(std::uint64_t address, int atLeast)
{
    const int needed = address <= 0xFFFF ? 2 : address <= 0xFFFFFF ? 3 : 4;
    return std::max(needed, atLeast);
}

// The -address-length=N of the options, or 0 when the options hold anything else than it and
// -disable=header.
int OptionAddressLength(const std::string& options, bool& header)
{
    header = true;
    int length = 0;
    std::size_t start = 0;
    while ((start = options.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(options.find(' ', start), options.size());
        const std::string option = options.substr(start, end - start);
        if (option == "-disable=header")
            header = false;
        else if (option.size() == 17 && option.compare(0, 16, "-address-length=") == 0 && option[16] >= '2' &&
                 option[16] <= '4')
            length = option[16] - '0';
        else
            return -1;
        start = end;
    }
    return length;
}

}  // namespace

std::string MakeSRecords(const std::vector<Chunk>& chunks, bool withStartAddress, const std::string& outputOptions)
{
    bool header = true;
    int width = OptionAddressLength(outputOptions, header);
    if (width < 0)
        return std::string();
    std::vector<Chunk> runs = chunks;
    std::stable_sort(runs.begin(), runs.end(), [](const Chunk& a, const Chunk& b) { return a.address < b.address; });
    std::uint64_t end = 0;
    for (const Chunk& chunk : runs)
        end = std::max<std::uint64_t>(end, chunk.address + chunk.bytes.size());
    if (width == 0)  // the narrowest that the highest address allows, as the Linux side asks srec_cat
        width = end <= 0x10000 ? 2 : end <= 0x1000000 ? 3 : 4;
    // Touching chunks make one run; overlapping ones are refused, as srec_cat refuses differing ones.
    for (std::size_t i = 1; i < runs.size();) {
        const std::uint64_t previousEnd = runs[i - 1].address + runs[i - 1].bytes.size();
        if (runs[i].address < previousEnd)
            return std::string();
        if (runs[i].address == previousEnd) {
            runs[i - 1].bytes += runs[i].bytes;
            runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }

    std::string text;
    if (header)
        text += SRecordLine(0, 0, kHeaderText) + "\n";
    std::uint32_t records = 0;
    for (const Chunk& run : runs) {
        for (std::size_t offset = 0; offset < run.bytes.size(); offset += kRecordBytes) {
            const std::uint32_t address = run.address + static_cast<std::uint32_t>(offset);
            const int type = AddressBytesFor(address, width) - 1;  // S1, S2 or S3
            text += SRecordLine(type, address, run.bytes.substr(offset, kRecordBytes)) + "\n";
            ++records;
        }
    }
    text += SRecordLine(records <= 0xFFFF ? 5 : 6, records) + "\n";
    if (withStartAddress && !chunks.empty()) {
        const std::uint32_t start = chunks.front().address;
        text += SRecordLine(11 - AddressBytesFor(start, width), start) + "\n";  // S9, S8 or S7
    }
    return text;
}

}  // namespace converter_files
