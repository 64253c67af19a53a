// The data of a Motorola S-record file: every data record's address and bytes, read and checked
// record by record (syntax, byte count, checksum, at least one data byte in a data record) and as a
// whole (the order of the records, see RecordSequence). Blank lines, line ends of any platform and
// lower-case hex digits are read as well; so is the DOS end-of-file mark (0x1A) after the last line,
// with nothing but blank lines or more marks after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordSequence.h"

struct SRecordData {
    std::uint32_t address;
    std::uint32_t length;
    std::size_t offset;  // of the record's first byte in SRecordImage::bytes
};

class SRecordImage {
public:
    // Reads the S-record text; false with a readable reason (naming the line) when the text is not a
    // complete, well-formed S-record file with at least one data byte.
    bool Parse(const char* text, std::size_t size, std::string& error);

    // The lowest data address and one past the highest, over all data records.
    std::uint32_t LowestAddress() const { return m_lowest; }
    std::uint64_t EndAddress() const { return m_end; }

    std::vector<SRecordData> records;
    std::vector<std::uint8_t> bytes;

private:
    bool ParseLine(const char* line, std::size_t length, std::size_t lineNumber, std::string& error);

    std::uint32_t m_lowest = 0;
    std::uint64_t m_end = 0;
    RecordSequence m_sequence;
};
