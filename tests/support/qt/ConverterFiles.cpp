// The Linux side of the conversion tests' files: images made by srec_cat, and stand-ins and commands
// through the POSIX shell.
#include "tests/support/ConverterFiles.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>

namespace converter_files {

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

void WriteScript(const std::string& path, const std::string& body)
{
    WriteFile(path, "#!/bin/sh\n" + body + "\n", 0755);
}

}  // namespace converter_files
