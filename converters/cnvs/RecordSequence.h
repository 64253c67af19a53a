// The order of the records in an S-record file, which no checksum covers. A single changed type digit
// turns a data record into a header, count or termination record, whose bytes are then dropped, or
// moves its bytes to another address by changing the address width, and every checksum still holds.
// So the records must stand as the format lays them out: at most one header record (S0), and only
// first; at most one count record (S5, S6), stating the number of data records; at most one
// termination record, last, of the data's address width. The data must be closed by a count or termination record, as SRecord
// writes them, so that a file cut off after a whole data line is not taken for a complete one.
//
// Writers give each record an address field at least as wide as the file's narrowest (S1, S2, S3;
// SRecord's -address-length), and wider only where its address needs it. A file with data records of
// one type is taken as it stands. A file of mixed types is a narrowest-address file, as SRecord writes
// by default (S1 below 64 KiB, S2 below 16 MiB, S3 above), and then it must also keep what such a writer
// keeps and a changed digit breaks: see Finish.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class RecordSequence {
public:
    // The next record in file order: its type (0 to 9 but 4), its address field (a count record's
    // count, a termination record's start address) and, for a data record, how many data bytes it
    // holds. False with a readable reason when the record cannot stand there.
    bool Add(int type, std::uint32_t address, std::uint32_t dataLength, std::string& error);

    // After the last record: false with a readable reason when the data are not closed, the count
    // record disagrees with them, or the records break the rules of their address widths.
    bool Finish(std::string& error) const;

private:
    struct DataRecord {
        int type;
        std::uint32_t address;
        std::uint32_t length;
    };

    bool CheckTermination(int narrowestType, int widestType, std::string& error) const;
    bool CheckMixedTypes(int narrowestType, std::string& error) const;

    std::size_t m_records = 0;
    std::vector<DataRecord> m_data;
    int m_countType = 0;  // 0 while there is no count record
    std::uint32_t m_count = 0;
    int m_terminationType = 0;  // 0 while there is no termination record
    std::uint32_t m_startAddress = 0;
    bool m_closed = false;  // a count or termination record follows the last data record
};
