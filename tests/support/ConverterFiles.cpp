#include "tests/support/ConverterFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "common/PathSeparator.h"

namespace converter_files {

namespace fs = std::filesystem;

namespace {

std::string Hex(unsigned byte)
{
    static const char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0xF]};
}

}  // namespace

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The mode is the file's permission bits; Windows keeps only whether the owner may write.
void WriteFile(const std::string& path, const std::string& bytes, unsigned mode)
{
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + path);
    }
    std::error_code ignored;
    fs::permissions(path, static_cast<fs::perms>(mode), ignored);
}

bool Exists(const std::string& path)
{
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

std::vector<std::string> ListDirectory(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(dir, error), end; !error && entry != end; entry.increment(error))
        names.push_back(entry->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string PatternBytes(std::size_t count, unsigned seed)
{
    std::string bytes(count, '\0');
    std::uint32_t state = seed * 2654435761u + 1;
    for (char& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

std::string SRecordLine(int type, std::uint32_t address, const std::string& data)
{
    static const int kAddressBytes[10] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};
    std::string fields;
    for (int i = kAddressBytes[type] - 1; i >= 0; --i)
        fields += static_cast<char>(address >> (8 * i));
    fields += data;
    fields.insert(fields.begin(), static_cast<char>(fields.size() + 1));  // the byte count
    unsigned sum = 0;
    std::string line = "S" + std::to_string(type);
    for (const char byte : fields) {
        sum += static_cast<unsigned char>(byte);
        line += Hex(static_cast<unsigned char>(byte));
    }
    return line + Hex(~sum & 0xFF);
}

std::string ImageOf(const std::vector<Chunk>& chunks)
{
    std::uint64_t lowest = UINT64_MAX;
    std::uint64_t end = 0;
    for (const Chunk& chunk : chunks) {
        lowest = std::min<std::uint64_t>(lowest, chunk.address);
        end = std::max<std::uint64_t>(end, chunk.address + chunk.bytes.size());
    }
    std::string image(static_cast<std::size_t>(end - lowest), '\xFF');
    for (const Chunk& chunk : chunks)
        image.replace(static_cast<std::size_t>(chunk.address - lowest), chunk.bytes.size(), chunk.bytes);
    return image;
}

void InstallConverters(const std::string& dir)
{
    // The build folder as the system spells it (under Wine a Z: path, written with '/').
    const std::string buildFolder = fs::path(TARVEL_BINARY_DIR).make_preferred().string();
    for (const char* name : {"ConvertBoot.bat", "ConvertFont.bat", "ConvertAply.bat", "SRECORD.EXE", "CNVS.EXE"}) {
        const std::string from = buildFolder + kPathSeparatorString + name;
        if (!Exists(from))
            throw std::runtime_error("not built: " + from);
        WriteFile(dir + kPathSeparatorString + name, ReadFile(from), 0755);
    }
}

}  // namespace converter_files
