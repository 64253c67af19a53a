#include "ImageCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "SRecordImage.h"

namespace {

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string DiffersAt(std::uint64_t address)
{
    return "the image differs from the S-records at address " + Hex(address);
}

}  // namespace

bool CheckImage(const SRecordImage& source, const std::uint8_t* image, std::size_t size, std::string& error)
{
    const std::uint64_t lowest = source.LowestAddress();
    const std::uint64_t span = source.EndAddress() - lowest;
    if (size != span) {
        error = "the image has " + std::to_string(size) + " bytes, the S-records span " + std::to_string(span);
        return false;
    }

    std::vector<std::pair<std::uint64_t, std::uint64_t>> covered;  // [start, end) offsets in the image
    covered.reserve(source.records.size());
    for (const SRecordData& record : source.records) {
        const std::uint64_t offset = record.address - lowest;
        const std::uint8_t* expected = source.bytes.data() + record.offset;
        if (std::memcmp(image + offset, expected, record.length) != 0) {
            std::size_t i = 0;
            while (image[offset + i] == expected[i])
                ++i;
            error = DiffersAt(record.address + i);
            return false;
        }
        covered.emplace_back(offset, offset + record.length);
    }

    // Records usually come in address order; sort only when they do not.
    if (!std::is_sorted(covered.begin(), covered.end()))
        std::sort(covered.begin(), covered.end());
    std::uint64_t filledTo = 0;
    for (const auto& [start, end] : covered) {
        for (std::uint64_t gap = filledTo; gap < start; ++gap) {
            if (image[gap] != 0xFF) {
                error = DiffersAt(lowest + gap) + " (a gap between records must hold 0xFF)";
                return false;
            }
        }
        filledTo = std::max(filledTo, end);
    }
    return true;
}
