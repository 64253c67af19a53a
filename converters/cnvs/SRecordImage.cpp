#include "SRecordImage.h"

#include <array>
#include <cstring>
#include <limits>

namespace {

// Hex digit values, -1 for anything else; upper and lower case alike.
constexpr std::array<std::int8_t, 256> MakeHexTable()
{
    std::array<std::int8_t, 256> table{};
    for (auto& value : table)
        value = -1;
    for (int i = 0; i < 10; ++i)
        table['0' + i] = static_cast<std::int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table['A' + i] = static_cast<std::int8_t>(10 + i);
        table['a' + i] = static_cast<std::int8_t>(10 + i);
    }
    return table;
}
constexpr std::array<std::int8_t, 256> kHex = MakeHexTable();

// Decodes count hex pairs; false at the first character that is not a hex digit.
bool DecodeHex(const char* hex, std::size_t count, std::uint8_t* out)
{
    for (std::size_t i = 0; i < count; ++i) {
        const int high = kHex[static_cast<unsigned char>(hex[2 * i])];
        const int low = kHex[static_cast<unsigned char>(hex[2 * i + 1])];
        if ((high | low) < 0)
            return false;
        out[i] = static_cast<std::uint8_t>((high << 4) | low);
    }
    return true;
}

// Address bytes per record type; 0 where the type does not exist.
constexpr int kAddressBytes[10] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

std::string AtLine(std::size_t lineNumber, const std::string& what)
{
    return "line " + std::to_string(lineNumber) + ": " + what;
}

// DOS tools may end a text file with one or more 0x1A bytes after its last line.
bool IsEndOfFileMark(const char* line, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (line[i] != '\x1A')
            return false;
    }
    return true;
}

}  // namespace

bool SRecordImage::Parse(const char* text, std::size_t size, std::string& error)
{
    records.clear();
    bytes.clear();
    bytes.reserve(size / 2);
    m_lowest = std::numeric_limits<std::uint32_t>::max();
    m_end = 0;
    m_sequence = RecordSequence();

    bool endOfFile = false;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < size;) {
        ++lineNumber;
        const void* lineEnd = std::memchr(text + start, '\n', size - start);
        const std::size_t stop = lineEnd ? static_cast<std::size_t>(static_cast<const char*>(lineEnd) - text) : size;
        std::size_t length = stop - start;
        // Line ends of any platform, and blanks at the end, carry nothing.
        while (length > 0 && (text[start + length - 1] == '\r' || text[start + length - 1] == ' ' ||
                              text[start + length - 1] == '\t'))
            --length;
        if (length > 0) {
            if (IsEndOfFileMark(text + start, length)) {
                endOfFile = true;
            } else if (endOfFile) {
                error = AtLine(lineNumber, "text after the end-of-file mark (0x1A)");
                return false;
            } else if (!ParseLine(text + start, length, lineNumber, error)) {
                return false;
            }
        }
        start = stop + 1;
    }
    if (!m_sequence.Finish(error))
        return false;
    if (m_end == 0) {
        error = "the file holds no data";
        return false;
    }
    return true;
}

bool SRecordImage::ParseLine(const char* line, std::size_t length, std::size_t lineNumber, std::string& error)
{
    if (length < 4 || line[0] != 'S' || line[1] < '0' || line[1] > '9') {
        error = AtLine(lineNumber, "not an S-record");
        return false;
    }
    const int type = line[1] - '0';
    const int addressBytes = kAddressBytes[type];
    if (addressBytes == 0) {
        error = AtLine(lineNumber, "unknown record type S4");
        return false;
    }
    std::uint8_t count = 0;
    if (!DecodeHex(line + 2, 1, &count)) {
        error = AtLine(lineNumber, "hexadecimal digit expected");
        return false;
    }
    if (length != 4 + 2 * static_cast<std::size_t>(count)) {
        error = AtLine(lineNumber, "the line length does not match the record's byte count");
        return false;
    }
    if (count < addressBytes + 1) {
        error = AtLine(lineNumber, "record too short for its address");
        return false;
    }

    std::uint8_t fields[256];
    if (!DecodeHex(line + 4, count, fields)) {
        error = AtLine(lineNumber, "hexadecimal digit expected");
        return false;
    }
    unsigned sum = count;
    for (int i = 0; i < count; ++i)
        sum += fields[i];
    if ((sum & 0xFF) != 0xFF) {
        error = AtLine(lineNumber, "checksum error");
        return false;
    }

    std::uint32_t address = 0;
    for (int i = 0; i < addressBytes; ++i)
        address = (address << 8) | fields[i];
    const bool isData = type >= 1 && type <= 3;
    const std::uint32_t dataLength = isData ? static_cast<std::uint32_t>(count - addressBytes - 1) : 0;
    if (!m_sequence.Add(type, address, dataLength, error)) {
        error = AtLine(lineNumber, error);
        return false;
    }
    if (!isData)
        return true;  // the header's text, the count and the start address are of no interest here

    if (dataLength == 0) {
        // It would carry nothing. It is what a count record becomes when its type digit turns into the
        // data type of the same address width (S5 into S1, S6 into S2), and the count is then gone.
        error = AtLine(lineNumber, "a data record without data");
        return false;
    }
    const std::uint64_t end = static_cast<std::uint64_t>(address) + dataLength;
    if (end > (std::uint64_t{1} << 32)) {
        error = AtLine(lineNumber, "data beyond the end of the address space");
        return false;
    }
    records.push_back({address, dataLength, bytes.size()});
    bytes.insert(bytes.end(), fields + addressBytes, fields + addressBytes + dataLength);
    if (address < m_lowest)
        m_lowest = address;
    if (end > m_end)
        m_end = end;
    return true;
}
