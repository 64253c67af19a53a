#include "platform/services/RealServices.h"

#include "platform/net/Internet.h"

namespace platform {

AppServices MakeRealServices()
{
    AppServices services;
    services.showMessageBox = ShowSystemMessageBox;
    services.askFileName = AskSystemFileName;
    services.reportMissingFolder = ReportSystemMissingFolder;
    services.startWorker = StartSystemThread;
    services.connectFtp = [](const FtpLogin& login) { return CFtpConnection::Open(login, net::kDefaultFtpTimeouts); };
    services.startSockets = StartSystemSockets;
    services.now = WallClockNow;
    services.tickCount = SteadyClockMs;
    services.codePage = LocaleCodePage;
    services.programPath = RunningProgramPath();
    return services;
}

}  // namespace platform
