#include "RecordSequence.h"

#include <algorithm>

namespace {

std::string TypeName(int type)
{
    return "S" + std::to_string(type);
}

// Address bytes of the data types S1, S2, S3 and of the termination types S9, S8, S7.
int DataWidth(int dataType)
{
    return dataType + 1;
}
int TerminationWidth(int terminationType)
{
    return 11 - terminationType;
}

// The narrowest data type whose address field holds the address.
int NarrowestDataType(std::uint32_t address)
{
    return address < 0x10000 ? 1 : address < 0x1000000 ? 2 : 3;
}

}  // namespace

bool RecordSequence::Add(int type, std::uint32_t address, std::uint32_t dataLength, std::string& error)
{
    if (m_terminationType != 0) {
        error = "a record after the termination record";
        return false;
    }
    ++m_records;
    switch (type) {
    case 0:
        if (m_records != 1) {
            error = "a header record that is not the first record";
            return false;
        }
        return true;
    case 1:
    case 2:
    case 3:
        m_data.push_back({type, address, dataLength});
        m_closed = false;
        return true;
    case 5:
    case 6:
        if (m_countType != 0) {
            error = "a second count record";
            return false;
        }
        m_countType = type;
        m_count = address;
        m_closed = true;
        return true;
    default:  // 7, 8, 9
        m_terminationType = type;
        m_startAddress = address;
        m_closed = true;
        return true;
    }
}

bool RecordSequence::Finish(std::string& error) const
{
    if (!m_closed) {
        // A file that ends with a data record may have been cut off at the end of a line.
        error = "the file ends without a count or termination record: it is incomplete";
        return false;
    }
    // The count field is 16 bits wide in S5, 24 bits in S6.
    const std::size_t mask = m_countType == 5 ? 0xFFFFu : 0xFFFFFFu;
    if (m_countType != 0 && m_count != (m_data.size() & mask)) {
        error = "the count record says " + std::to_string(m_count) + " data records, the file holds " +
                std::to_string(m_data.size());
        return false;
    }
    if (m_data.empty())
        return true;  // the image check tells that there is nothing to convert
    int narrowest = 3;
    int widest = 1;
    for (const DataRecord& record : m_data) {
        narrowest = std::min(narrowest, record.type);
        widest = std::max(widest, record.type);
    }
    if (!CheckTermination(narrowest, widest, error))
        return false;
    return narrowest == widest || CheckMixedTypes(narrowest, error);
}

// The termination record's address is as wide as the data's in a file of one data type (S9 ends S1
// data, S8 S2, S7 S3). A narrowest-address writer gives it the width its start address needs, or the
// file's narrowest width where that is wider: S8 may end S1 and S2 data with a start address above
// 64 KiB, S7 may end them above 16 MiB, but S7 never ends S1 and S2 data with a start address below
// 16 MiB.
bool RecordSequence::CheckTermination(int narrowestType, int widestType, std::string& error) const
{
    if (m_terminationType == 0)
        return true;
    const int width = TerminationWidth(m_terminationType);
    const bool fits = narrowestType == widestType
                          ? width == DataWidth(narrowestType)
                          : width <= std::max(DataWidth(NarrowestDataType(m_startAddress)), DataWidth(narrowestType));
    if (!fits) {
        error = "an " + TypeName(m_terminationType) + " termination record for " + TypeName(narrowestType) +
                (narrowestType == widestType ? "" : " to " + TypeName(widestType)) + " data records";
        return false;
    }
    return true;
}

// What a narrowest-address writer keeps, each broken by a changed type digit that turns one data type
// into another (the record's address then takes a data byte in, or gives its last byte out):
// - every record is exactly as wide as its address needs, or as the file's narrowest records;
// - the records stand in address order, none over another (a widened address moves a record to 256
//   times its address, a narrowed one to a 256th, onto the data or out of their order);
// - no record holds more bytes than the records that run on into the next one (a narrowed address
//   gives a record a byte more than a full one);
// - the last record, when it stands apart and is wider than the record before, does not start where
//   that record ends shifted up by the added address bytes: that is what a widened digit makes of a
//   last record that ran on from the one before, and the only place where such a record keeps the
//   order.
bool RecordSequence::CheckMixedTypes(int narrowestType, std::string& error) const
{
    std::uint32_t fullLength = 0;
    for (std::size_t i = 0; i + 1 < m_data.size(); ++i) {
        if (static_cast<std::uint64_t>(m_data[i].address) + m_data[i].length == m_data[i + 1].address)
            fullLength = std::max(fullLength, m_data[i].length);
    }
    for (std::size_t i = 0; i < m_data.size(); ++i) {
        const DataRecord& record = m_data[i];
        const auto refuse = [&](const char* what) {
            error = "data record " + std::to_string(i + 1) + " (" + TypeName(record.type) + ") " + what;
            return false;
        };
        if (record.type != std::max(narrowestType, NarrowestDataType(record.address))) {
            return refuse("has a wider address than it needs, among records of mixed types");
        }
        if (fullLength != 0 && record.length > fullLength) {
            return refuse("holds more bytes than a full record, among records of mixed types");
        }
        if (i == 0)
            continue;
        const DataRecord& before = m_data[i - 1];
        const std::uint64_t end = static_cast<std::uint64_t>(before.address) + before.length;
        if (record.address < end) {
            return refuse("is out of address order or overlaps the one before, among records of mixed types");
        }
        const int shift = 8 * (record.type - before.type);
        if (i + 1 == m_data.size() && shift > 0 && record.address > end && (record.address >> shift) == end) {
            return refuse("starts where a widened address would move the record before it");
        }
    }
    return true;
}
