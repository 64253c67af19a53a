// CNVS.EXE <S-record file> <binary image> <output file>
//
// The last step of every image conversion: checks the S-record source itself (syntax, checksums, and
// the types and order of its records, which no checksum covers), then the binary image that
// SRECORD.EXE made against it, byte for byte, and only when they agree publishes it as the output file. A wrong
// or incomplete image is never left where the wizard would send it: on refusal the output file is
// removed and the status is 1 (2 for a wrong command line).
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "ImageCheck.h"
#include "SRecordImage.h"
#include "WholeFile.h"

namespace {

int Refuse(const std::string& output, const std::string& what, const std::string& reason)
{
    std::fprintf(stderr, "CNVS.EXE: %s: %s\n", what.c_str(), reason.c_str());
    std::remove(output.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: CNVS.EXE <S-record file> <binary image> <output file>\n");
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string imagePath = argv[2];
    const std::string outputPath = argv[3];

    std::string error;
    std::vector<char> sourceText;
    if (!ReadWholeFile(sourcePath, sourceText, error))
        return Refuse(outputPath, sourcePath, error);
    SRecordImage source;
    if (!source.Parse(sourceText.data(), sourceText.size(), error))
        return Refuse(outputPath, sourcePath, error);
    sourceText = std::vector<char>();  // the records hold what is needed from here on

    std::vector<char> image;
    if (!ReadWholeFile(imagePath, image, error))
        return Refuse(outputPath, imagePath, error);
    if (!CheckImage(source, reinterpret_cast<const std::uint8_t*>(image.data()), image.size(), error))
        return Refuse(outputPath, imagePath, error);

    if (!PublishFile(outputPath, image.data(), image.size(), error))
        return Refuse(outputPath, outputPath, error);
    return 0;
}
