// The real services, as the program wires them: Qt's message box and file dialog, system threads,
// libcurl's FTP, the system's sockets, clock and locale, and the program file's own path.
#pragma once

#include "platform/net/InternetTimeouts.h"
#include "platform/services/AppServices.h"

namespace platform {

std::shared_ptr<MessageBoxService> MakeQtMessageBox();
std::shared_ptr<FileDialogService> MakeQtFileDialog();
std::shared_ptr<WorkerService> MakeSystemThreads();
std::shared_ptr<FtpService> MakeCurlFtp(const net::FtpTimeouts& timeouts = net::kDefaultFtpTimeouts);
std::shared_ptr<SocketService> MakeSystemSockets();
std::shared_ptr<ClockService> MakeSystemClock();
std::shared_ptr<CodePageService> MakeLocaleCodePage();
std::string RunningProgramPath();

AppServices MakeRealServices();

}  // namespace platform
