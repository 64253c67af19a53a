// The three firmware images a scale takes, and the one set of names each of them has across the
// wizard: the file title an image file must have, the file offered before the operator chooses one,
// the file dialog's filter, the message for a file of another name, the name the scale stores it
// under and the batch file that converts its S-record form. Pages, workers and the conversion all
// read them here, so that no two places can disagree about an image.
#pragma once

#include "platform/sys/WinTypes.h"

enum class ImageKind { BOOT, FONT, APLY };

struct ImageNames {
    ImageKind kind;
    const char* pszFileTitle;    // the only file title accepted, upper case ("BOOT")
    const char* pszDefaultFile;  // offered first, in the program directory ("BOOT.BIN")
    const char* pszFilter;       // the file dialog's filter: binary first, S-record second
    UINT nIDWrongName;           // the message for a file of any other title
    const char* pszRemoteName;   // stored on the scale under this name ("d:\boot.bin")
    const char* pszBatchFile;    // turns the S-record form into binary, in the program directory
};

const ImageNames& NamesOf(ImageKind kind);
