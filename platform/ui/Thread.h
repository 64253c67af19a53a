// Worker threads. The thread object deletes itself when the thread function returns; callers keep
// no handle and never wait for it.
#pragma once

#include "platform/sys/WinTypes.h"

using AFX_THREADPROC = UINT (*)(LPVOID);

class CWinThread {};

// nullptr when the thread cannot be started.
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
