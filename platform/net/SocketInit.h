// Starting Windows Sockets for the process, as the application does once at start-up.
#pragma once

#include "platform/sys/WinTypes.h"

// TRUE when sockets can be used. The argument (the start-up details of Windows Sockets) is not used.
BOOL AfxSocketInit(void* lpwsaData = nullptr);
