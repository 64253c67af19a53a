// Files for the conversion tests: S-record images made by SRecord's srec_cat from known bytes, the
// real conversion programs of the build folder, and stand-in converters that leave a chosen output.
// The file operations and the S-record lines are the same for both backends (ConverterFiles.cpp);
// each backend makes the images its own way (qt/ConverterFiles.cpp over srec_cat, and
// win32/ConverterFiles.cpp, where a test program cannot start srec_cat, writes srec_cat's text itself).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace converter_files {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes, unsigned mode = 0644);
bool Exists(const std::string& path);
// The names in a directory, sorted.
std::vector<std::string> ListDirectory(const std::string& dir);

// Reproducible bytes that are not all alike.
std::string PatternBytes(std::size_t count, unsigned seed);

// A piece of an image at its address.
struct Chunk {
    std::uint32_t address;
    std::string bytes;
};
// The S-record text of the chunks, made by srec_cat; empty when srec_cat fails. It holds a header,
// data records all of one type, the narrowest that the highest address allows unless outputOptions
// give an -address-length, a count record, and a termination record only for an image with an
// execution start address. outputOptions are further srec_cat output options, such as
// "-address-length=4" or "-disable=header". On Windows the same text is written without srec_cat
// (its header, 32 data bytes a record from each chunk's start, LF line ends), for chunks that neither
// touch nor overlap; of the options only those two are known there, others give an empty text.
std::string MakeSRecords(const std::vector<Chunk>& chunks, bool withStartAddress = true,
                         const std::string& outputOptions = std::string());
// One S-record line (without line end) of the given type, address and data bytes, with its byte count
// and checksum: for records that srec_cat would not write.
std::string SRecordLine(int type, std::uint32_t address, const std::string& data = std::string());
// The binary image the chunks make: from the lowest address to the highest byte, gaps 0xFF.
std::string ImageOf(const std::vector<Chunk>& chunks);

// Copies the five conversion programs of the build folder (the Windows ones in a Windows build) into
// dir, run bits and all.
void InstallConverters(const std::string& dir);

// Linux only, over the POSIX shell:
// A stand-in for a batch file: a shell script with the given body (its arguments are "$1" "$2").
void WriteScript(const std::string& path, const std::string& body);
// Runs a shell command line in dir; its exit status.
int RunIn(const std::string& dir, const std::string& commandLine);

}  // namespace converter_files
