#include "platform/net/InternetException.h"

CInternetException::CInternetException(DWORD dwError, const CString& strText, DWORD_PTR dwContext)
    : CException(), m_dwError(dwError), m_dwContext(dwContext), m_strText(strText)
{
}

CInternetException::~CInternetException() = default;

BOOL CInternetException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CopyErrorText(lpszError, nMaxError, m_strText.c_str());
    return TRUE;
}
