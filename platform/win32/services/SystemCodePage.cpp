#include "platform/services/RealServices.h"
#include "platform/win32/services/SystemShim.h"

// The system's ANSI code page: the one the program's 8-bit strings, file names included, are in.
UINT platform::LocaleCodePage() { return win32::services::AnsiCodePage(); }
