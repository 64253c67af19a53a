// The failure of one step of the blocking socket: the step's name and the thread's socket error at
// the moment of the failure. Thrown by pointer; the catcher deletes it.
#pragma once

#include "platform/sys/Exception.h"
#include "platform/sys/WinTypes.h"

class CBlockingSocketException : public CException {
public:
    // Takes the step name ("Create", "Close", "Connect", "Connect - Timeout") and the calling
    // thread's last socket error.
    explicit CBlockingSocketException(LPCSTR pchMessage);
    ~CBlockingSocketException() override;

    // "<step> error #<code>", or "<step> error" when the code is 0, cut to the caller's buffer.
    // Always TRUE; the help context is left alone.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    int m_nError;
    CString m_strOperation;
};
