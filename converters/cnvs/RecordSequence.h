// The order of the records in an S-record file, which no checksum covers. A single changed type digit
// turns a data record into a header, count or termination record, whose bytes are then dropped, or
// moves its bytes to another address by changing the address width, and every checksum still holds.
// So the records must stand as the format lays them out: at most one header record (S0), and only
// first; data records all of one type (S1, S2 or S3); at most one count record (S5, S6), stating the
// number of data records; at most one termination record, last, of the type of the data (S9 for S1,
// S8 for S2, S7 for S3). The data must be closed by a count or termination record, as SRecord writes
// them, so that a file cut off after a whole data line is not taken for a complete one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class RecordSequence {
public:
    // The next record in file order: its type (0 to 9 but 4) and its address field, which a count
    // record uses for its count. False with a readable reason when the record cannot stand there.
    bool Add(int type, std::uint32_t address, std::string& error);

    // After the last record: false with a readable reason when the data are not closed or the count
    // record disagrees with them.
    bool Finish(std::string& error) const;

private:
    std::size_t m_records = 0;
    std::size_t m_dataRecords = 0;
    int m_dataType = 0;  // 0 until the first data record
    int m_countType = 0;  // 0 while there is no count record
    std::uint32_t m_count = 0;
    bool m_terminated = false;
    bool m_closed = false;  // a count or termination record follows the last data record
};
