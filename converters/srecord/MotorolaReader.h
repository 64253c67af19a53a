// Reads a Motorola S-record file the way the Linux SRECORD.EXE (SRecord's srec_cat) reads it, so that
// both accept and refuse the same files:
//  - a line that does not begin with an upper-case 'S' is skipped whole (blank lines, text, a DOS
//    end-of-file mark, a record written in lower case or indented by a blank);
//  - a record is "S", a type digit, its byte count, that many bytes and nothing else up to the line
//    end (LF, or CR LF; a lone CR or a trailing blank is an error), hex digits of either case;
//  - the byte count, the address, the data and the checksum must add up to 0xFF;
//  - S1, S2, S3 carry data at 2-, 3- and 4-byte addresses; a data record without data counts as a
//    record and carries nothing;
//  - S5 and S6 state how many data records came before them, to as many low bits as the stated
//    number needs (16 at least), and must agree;
//  - S0 (header) and S7, S8, S9 (start address) are read, checked and dropped, wherever they stand;
//  - S4 and the letters after 9 are errors.
// Where records overlap is not the reader's business: see ImageLayout.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DataRun {
    std::uint32_t address;
    std::uint32_t length;
    std::size_t offset;  // of its first byte in MotorolaData::bytes
};

struct MotorolaData {
    std::vector<DataRun> runs;  // in file order
    std::vector<std::uint8_t> bytes;
};

// False with a reason that names the line when the text is not read as S-records.
bool ReadMotorola(const char* text, std::size_t size, MotorolaData& data, std::string& error);
