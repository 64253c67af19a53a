// The update log: one time-stamped line per transfer event, in a text file beside the program. The
// path and the switch are the sheet's; the log reads them at every line, so that a line goes where
// the sheet says at that moment.
#pragma once

#include "platform/sys/WinTypes.h"

class CUpdateLog {
public:
    CUpdateLog(const CString& strPath, const BOOL& bEnabled);

    // Empties the file, or creates it empty; says nothing when it cannot.
    void Reset() const;
    // Appends the date and time, " : ", the text and CR LF; a line that cannot be written is lost
    // without a word, and the transfer goes on.
    void Write(const CString& strText) const;

private:
    const CString& m_strPath;
    const BOOL& m_bEnabled;
};
