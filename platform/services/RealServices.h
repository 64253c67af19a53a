// The real services, as the program wires them: the system's message box and file dialog, its threads,
// its FTP client, sockets, clock and code page, and the program file's own path. Each backend
// defines these functions (Qt, POSIX and libcurl on Linux; Win32 on Windows); MakeRealServices wires them.
#pragma once

#include "platform/services/AppServices.h"

namespace platform {

int ShowSystemMessageBox(const MessageBoxRequest& request);
FileDialogAnswer AskSystemFileName(const FileDialogRequest& request);
void ReportSystemMissingFolder(const FileDialogRequest& request, const std::string& folder);
bool StartSystemThread(std::function<void()> work);
bool StartSystemSockets();
std::time_t WallClockNow();
ULONGLONG SteadyClockMs();
UINT LocaleCodePage();
std::string RunningProgramPath();

AppServices MakeRealServices();

}  // namespace platform
