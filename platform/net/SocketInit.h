// Starting Windows Sockets for the process, as the application does once at start-up.
#pragma once

#include "platform/sys/WinTypes.h"

// TRUE when sockets can be used. The argument (the start-up details of Windows Sockets) is not used.
BOOL AfxSocketInit(void* lpwsaData = nullptr);

namespace platform::seams {
// Tests only: make AfxSocketInit report that sockets could not be started.
void SetSocketInitFails(bool fails);
}
