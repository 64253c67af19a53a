// SRECORD.EXE <S-record file> <binary image>
//
// The Windows build's first conversion step, in place of the Linux one over SRecord's srec_cat, and
// held to it: it accepts and refuses the same files and makes the same bytes. The image starts at the
// file's lowest data address, with every gap filled with 0xFF. A refused file leaves no image, a
// message and status 1 (2 for a wrong command line). Its reading is its own, apart from CNVS.EXE's,
// which checks the image against the S-records after it: two readings must agree.
#include <cstdio>
#include <string>
#include <vector>

#include "Files.h"
#include "ImageLayout.h"
#include "MotorolaReader.h"

namespace {

int Refuse(const std::string& what, const std::string& reason)
{
    std::fprintf(stderr, "SRECORD.EXE: %s: %s\n", what.c_str(), reason.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: SRECORD.EXE <S-record file> <binary image>\n");
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string imagePath = argv[2];
    // An image of an earlier run must not outlive a refusal.
    std::remove(imagePath.c_str());

    std::string error;
    std::vector<char> text;
    if (!ReadFileBytes(sourcePath, text, error))
        return Refuse(sourcePath, error);
    MotorolaData data;
    if (!ReadMotorola(text.data(), text.size(), data, error))
        return Refuse(sourcePath, error + " (not a valid Motorola S-record file)");
    text = std::vector<char>();

    std::vector<std::uint8_t> image;
    if (!LayOutImage(data, image, error))
        return Refuse(sourcePath, error);
    data = MotorolaData();
    if (!WriteImageFile(imagePath, image, error))
        return Refuse(imagePath, error);
    return 0;
}
