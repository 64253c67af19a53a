// The connection check: opens and closes a TCP connection to the scale's FTP port with a five-second
// time-out, then posts the result to the page that started it.
#pragma once

#include "platform/sys/WinTypes.h"

// pParam is the connection page (CZeltoConnectPage). Returns 0.
UINT CheckConnectionThread(LPVOID pParam);
