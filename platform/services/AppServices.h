// The services through which the platform reaches the world outside the program: the message box,
// the file dialog, worker threads, the FTP session, the sockets, the clock, the code page and the
// program's own path. The application object owns one set of them; the program's entry point wires
// the real ones, and anything else that runs the wizard (tests, benchmarks) wires its own. The
// framework calls (AfxMessageBox, CFileDialog, AfxBeginThread, CInternetSession, ...) go through them.
#pragma once

#include <memory>
#include <string>

namespace platform {

class MessageBoxService;
class FileDialogService;
class WorkerService;
class FtpService;
class SocketService;
class ClockService;
class CodePageService;

struct AppServices {
    std::shared_ptr<MessageBoxService> messageBox;
    std::shared_ptr<FileDialogService> fileDialog;
    std::shared_ptr<WorkerService> workers;
    std::shared_ptr<FtpService> ftp;
    std::shared_ptr<SocketService> sockets;
    std::shared_ptr<ClockService> clock;
    std::shared_ptr<CodePageService> codePage;
    std::string programPath;  // the program file's full path
};

// The services of the application object (an empty set before one is wired).
const AppServices& Services();

// Makes these the services that Services() returns; the application object calls it.
void InstallServices(const AppServices* services);

}  // namespace platform
