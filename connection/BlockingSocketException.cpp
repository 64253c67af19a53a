#include "connection/BlockingSocketException.h"

#include <cstdio>

#include "platform/net/WinSock.h"

CBlockingSocketException::CBlockingSocketException(LPCSTR pchMessage)
    : CException(), m_nError(0), m_strOperation(pchMessage != nullptr ? pchMessage : "")
{
    m_nError = winsock::WSAGetLastError();
}

CBlockingSocketException::~CBlockingSocketException() = default;

BOOL CBlockingSocketException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* /*pnHelpContext*/)
{
    char text[200];
    if (m_nError != 0)
        std::snprintf(text, sizeof text, "%s error #%d", m_strOperation.c_str(), m_nError);
    else
        std::snprintf(text, sizeof text, "%s error", m_strOperation.c_str());
    // A buffer of 0 bytes gets nothing at all, not even a terminator.
    CopyErrorText(lpszError, nMaxError, text);
    return TRUE;
}
