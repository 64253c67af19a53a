#include "tests/support/ConverterFiles.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>

namespace converter_files {

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

void WriteFile(const std::string& path, const std::string& bytes, unsigned mode)
{
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + path);
    }
    ::chmod(path.c_str(), mode);
}

bool Exists(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

std::vector<std::string> ListDirectory(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* entry = ::readdir(d)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(d);
    }
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

int RunIn(const std::string& dir, const std::string& commandLine)
{
    const std::string command = "cd '" + dir + "' && " + commandLine;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string MakeSRecords(const std::vector<Chunk>& chunks, bool withStartAddress, const std::string& outputOptions)
{
    QTemporaryDir work;
    const std::string dir = work.path().toStdString();
    std::string command = "srec_cat";
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        const std::string name = "chunk" + std::to_string(i) + ".bin";
        WriteFile(dir + "/" + name, chunks[i].bytes);
        command += " " + name + " -binary -offset " + std::to_string(chunks[i].address);
    }
    if (withStartAddress && !chunks.empty())
        command += " -execution-start-address " + std::to_string(chunks.front().address);
    command += " -o image.mot -motorola " + outputOptions;
    // Left alone, srec_cat writes each record as narrow as its own address allows: S1 below 64 KiB
    // and S2 above, in one file. These images are of one type, unless the options name a width.
    if (outputOptions.find("-address-length") == std::string::npos) {
        std::uint64_t end = 0;
        for (const Chunk& chunk : chunks)
            end = std::max<std::uint64_t>(end, chunk.address + chunk.bytes.size());
        command += end <= 0x10000 ? " -address-length=2" : end <= 0x1000000 ? " -address-length=3" : " -address-length=4";
    }
    command += " 2>/dev/null";
    if (RunIn(dir, command) != 0)
        return std::string();
    return ReadFile(dir + "/image.mot");
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
    for (const char* name : {"ConvertBoot.bat", "ConvertFont.bat", "ConvertAply.bat", "SRECORD.EXE", "CNVS.EXE"}) {
        const std::string from = std::string(TARVEL_BINARY_DIR) + "/" + name;
        if (!Exists(from))
            throw std::runtime_error("not built: " + from);
        WriteFile(dir + "/" + name, ReadFile(from), 0755);
    }
}

void WriteScript(const std::string& path, const std::string& body)
{
    WriteFile(path, "#!/bin/sh\n" + body + "\n", 0755);
}

}  // namespace converter_files
