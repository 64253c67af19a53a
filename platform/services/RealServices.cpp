#include "platform/services/RealServices.h"

namespace platform {

AppServices MakeRealServices()
{
    AppServices services;
    services.messageBox = MakeQtMessageBox();
    services.fileDialog = MakeQtFileDialog();
    services.workers = MakeSystemThreads();
    services.ftp = MakeCurlFtp();
    services.sockets = MakeSystemSockets();
    services.clock = MakeSystemClock();
    services.codePage = MakeLocaleCodePage();
    services.programPath = RunningProgramPath();
    return services;
}

}  // namespace platform
