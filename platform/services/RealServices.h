// The real services, as the program wires them: Qt's message box and file dialog, system threads,
// libcurl's FTP, the system's sockets, clock and locale, and the program file's own path.
#pragma once

#include "platform/services/AppServices.h"

namespace platform {

int ShowQtMessageBox(const MessageBoxRequest& request);
FileDialogAnswer AskQtFileDialog(const FileDialogRequest& request);
void ReportMissingFolderInQt(const FileDialogRequest& request, const std::string& folder);
bool StartSystemThread(std::function<void()> work);
bool StartSystemSockets();
std::time_t WallClockNow();
ULONGLONG SteadyClockMs();
UINT LocaleCodePage();
std::string RunningProgramPath();

AppServices MakeRealServices();

}  // namespace platform
