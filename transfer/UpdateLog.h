// The update log: one time-stamped line per transfer event, in a text file beside the program. The
// path and the switch are the sheet's, copied when the log is made: a log handed to an upload worker
// holds nothing of the sheet's, and the sheet makes a new one for each of its own lines.
#pragma once

#include "platform/sys/WinTypes.h"

class CUpdateLog {
public:
    CUpdateLog(CString strPath, BOOL bEnabled);

    // Empties the file, or creates it empty; says nothing when it cannot.
    void Reset() const;
    // Appends the date and time, " : ", the text and CR LF; a line that cannot be written is lost
    // without a word, and the transfer goes on.
    void Write(const CString& strText) const;

private:
    CString m_strPath;
    BOOL m_bEnabled;
};
