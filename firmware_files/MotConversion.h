// The conversion of a chosen S-record image into the binary work file that the next upload sends.
// The conversion programs stand in the program directory and run there; the wizard judges their work
// only by the output file they leave.
#pragma once

#include "common/ImageKind.h"
#include "platform/sys/WinTypes.h"

class CMotConversion {
public:
    // The work files ZELTO.MOT and ZELTO.BIN, shared by all kinds, lie in strDirectory, where the
    // conversion programs stand.
    explicit CMotConversion(const CString& strDirectory);

    // Converts a copy of strMotFile with the kind's batch file. Once the batch file has run,
    // strUploadFile names the output, whatever came of it; when the conversion programs are missing
    // it is left as it was. TRUE when the output is an image; FALSE after a message has been shown.
    BOOL Convert(const CString& strMotFile, ImageKind kind, CString& strUploadFile);

private:
    CString m_strDirectory;
    CString m_strWorkMot;
    CString m_strWorkBin;
};
