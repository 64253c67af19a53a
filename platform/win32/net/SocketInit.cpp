#include "platform/net/SocketInit.h"

#include "platform/services/AppServices.h"

// Winsock is started once for the process by the sockets service (WSAStartup 2.2).
BOOL AfxSocketInit(void*) { return platform::Services().startSockets() ? TRUE : FALSE; }
