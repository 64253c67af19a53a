// The upload workers: each logs in to the scale's FTP server, stores the prepared image under its
// fixed remote name, and posts the send's result to the copy page that started it.
#pragma once

#include "platform/sys/WinTypes.h"

// pParam is the copy page (CZeltoCopyPage). Each returns 0.
UINT FtpBootThread(LPVOID pParam);
UINT FtpFontThread(LPVOID pParam);
UINT FtpAplyThread(LPVOID pParam);
