#include "RecordSequence.h"

namespace {

std::string TypeName(int type)
{
    return "S" + std::to_string(type);
}

// S9 ends S1 data, S8 ends S2 data, S7 ends S3 data.
int TerminationFor(int dataType)
{
    return 10 - dataType;
}

}  // namespace

bool RecordSequence::Add(int type, std::uint32_t address, std::string& error)
{
    if (m_terminated) {
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
        if (m_dataType != 0 && type != m_dataType) {
            error = "an " + TypeName(type) + " data record among " + TypeName(m_dataType) + " data records";
            return false;
        }
        m_dataType = type;
        ++m_dataRecords;
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
        if (m_dataType != 0 && type != TerminationFor(m_dataType)) {
            error = "an " + TypeName(type) + " termination record for " + TypeName(m_dataType) + " data records";
            return false;
        }
        m_terminated = true;
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
    if (m_countType != 0 && m_count != (m_dataRecords & mask)) {
        error = "the count record says " + std::to_string(m_count) + " data records, the file holds " +
                std::to_string(m_dataRecords);
        return false;
    }
    return true;
}
