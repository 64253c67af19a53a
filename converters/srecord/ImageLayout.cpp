#include "ImageLayout.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

bool LayOutImage(const MotorolaData& data, std::vector<std::uint8_t>& image, std::string& error)
{
    image.clear();
    if (data.runs.empty()) {
        error = "the file holds no data";
        return false;
    }
    std::uint64_t lowest = UINT64_MAX;
    std::uint64_t end = 0;
    for (const DataRun& run : data.runs) {
        // A record that runs past the top of the address space wraps to address 0: its image would
        // span all 4 GiB.
        lowest = std::min<std::uint64_t>(lowest, run.address);
        end = std::max<std::uint64_t>(end, std::uint64_t{run.address} + run.length);
    }
    if (end > (std::uint64_t{1} << 32))
        lowest = 0;
    if (end - lowest > kMaxImageBytes) {
        error = "the data span " + Hex(lowest) + " to " + Hex(end - 1) + ", more than " +
                std::to_string(kMaxImageBytes / (1024 * 1024)) + " MiB";
        return false;
    }

    image.assign(static_cast<std::size_t>(end - lowest), 0xFF);
    std::vector<bool> written(image.size());
    for (const DataRun& run : data.runs) {
        const std::size_t at = static_cast<std::size_t>(run.address - lowest);
        const std::uint8_t* bytes = data.bytes.data() + run.offset;
        for (std::uint32_t i = 0; i < run.length; ++i) {
            if (written[at + i] && image[at + i] != bytes[i]) {
                error = "two different values for address " + Hex(run.address + i);
                return false;
            }
            image[at + i] = bytes[i];
            written[at + i] = true;
        }
    }
    return true;
}
