#include "MotorolaReader.h"

namespace {

// The text as a stream of characters: CR LF reads as one LF, and a text whose last line has no line
// end reads as if it had one. Any other CR stays a character of its own.
class Characters {
public:
    Characters(const char* text, std::size_t size) : m_next(text), m_end(text + size) {}

    int Get()
    {
        int c;
        if (m_next == m_end) {
            c = m_atLineStart ? -1 : '\n';
        } else {
            c = static_cast<unsigned char>(*m_next++);
            if (c == '\r' && m_next != m_end && *m_next == '\n') {
                ++m_next;
                c = '\n';
            }
        }
        m_atLineStart = c == '\n';
        if (m_atLineStart)
            ++m_line;
        return c;
    }

    // The line the last character read belongs to (a line end belongs to its line).
    std::size_t Line() const { return m_atLineStart ? m_line : m_line + 1; }

private:
    const char* m_next;
    const char* m_end;
    bool m_atLineStart = false;
    std::size_t m_line = 0;  // line ends read so far
};

int HexValue(int c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Address bytes of each record type as srec_cat takes them; -1 marks a type that does not exist.
// S0's address may be shorter, and S5's and S6's count field longer (some tool chains write four
// bytes), see AddressBytes.
constexpr int kAddressBytes[16] = {2, 2, 3, 4, -1, 2, 3, 4, 3, 2, -1, -1, -1, -1, -1, -1};

int AddressBytes(int type, int fieldBytes)
{
    switch (type) {
    case 0:
        return fieldBytes < 2 ? fieldBytes : 2;
    case 5:
        return fieldBytes >= 2 && fieldBytes <= 4 ? fieldBytes : 2;
    case 6:
        return fieldBytes == 4 ? 4 : 3;
    default:
        return kAddressBytes[type] < 0 ? 2 : kAddressBytes[type];
    }
}

// A count record's number is compared with the low 16, 24 or 32 bits of the count of data records
// read, as many as the number needs.
bool CountAgrees(std::uint32_t stated, std::uint32_t dataRecords)
{
    std::uint32_t mask = 0xFFFF;
    while (stated > mask)
        mask = (mask << 8) | 0xFF;
    return stated == (dataRecords & mask);
}

class Reader {
public:
    Reader(const char* text, std::size_t size, MotorolaData& data) : m_in(text, size), m_data(data) {}

    bool Run(std::string& error)
    {
        for (;;) {
            int c = m_in.Get();
            if (c < 0)
                return true;
            if (c == '\n')
                continue;
            if (c != 'S') {
                while (c != '\n') {
                    c = m_in.Get();
                    if (c < 0)
                        return true;
                }
                continue;
            }
            if (!Record(error)) {
                error = "line " + std::to_string(m_in.Line()) + ": " + error;
                return false;
            }
        }
    }

private:
    bool Nibble(int& value, std::string& error)
    {
        value = HexValue(m_in.Get());
        if (value < 0) {
            error = "hexadecimal digit expected";
            return false;
        }
        return true;
    }

    bool Byte(std::uint8_t& value, std::string& error)
    {
        int high, low;
        if (!Nibble(high, error) || !Nibble(low, error))
            return false;
        value = static_cast<std::uint8_t>(high << 4 | low);
        return true;
    }

    bool Record(std::string& error)
    {
        int type;
        std::uint8_t count;
        if (!Nibble(type, error) || !Byte(count, error))
            return false;
        if (count == 0) {
            error = "byte count 0";
            return false;
        }
        std::uint8_t field[256];
        unsigned sum = count;
        for (int i = 0; i < count; ++i) {
            if (!Byte(field[i], error))
                return false;
            sum += field[i];
        }
        if ((sum & 0xFF) != 0xFF) {
            error = "checksum error";
            return false;
        }
        if (m_in.Get() != '\n') {
            error = "line end expected after the checksum";
            return false;
        }

        const int fieldBytes = count - 1;  // address and data, without the checksum
        const int addressBytes = AddressBytes(type, fieldBytes);
        if (fieldBytes < addressBytes) {
            error = "record too short for its address";
            return false;
        }
        if (kAddressBytes[type] < 0) {
            error = "no such record type: S" + std::string(1, "0123456789ABCDEF"[type]);
            return false;
        }
        std::uint32_t address = 0;
        for (int i = 0; i < addressBytes; ++i)
            address = address << 8 | field[i];

        if (type >= 1 && type <= 3) {
            ++m_dataRecords;
            const std::uint32_t length = static_cast<std::uint32_t>(fieldBytes - addressBytes);
            if (length > 0) {
                m_data.runs.push_back({address, length, m_data.bytes.size()});
                m_data.bytes.insert(m_data.bytes.end(), field + addressBytes, field + fieldBytes);
            }
        } else if (type == 5 || type == 6) {
            if (!CountAgrees(address, m_dataRecords)) {
                error = "the count record says " + std::to_string(address) + " data records, " +
                        std::to_string(m_dataRecords) + " came before it";
                return false;
            }
        }
        return true;
    }

    Characters m_in;
    MotorolaData& m_data;
    std::uint32_t m_dataRecords = 0;
};

}  // namespace

bool ReadMotorola(const char* text, std::size_t size, MotorolaData& data, std::string& error)
{
    data = MotorolaData();
    data.bytes.reserve(size / 2);
    return Reader(text, size, data).Run(error);
}
