// The services through which the platform reaches the world outside the program: the message box,
// the file dialog, worker threads, the FTP session, the sockets, the clock, the code page and the
// program's own path. The application object owns one set of them; the program's entry point wires
// the real ones (RealServices.h), and anything else that runs the wizard (tests, benchmarks) wires its
// own. The framework calls (AfxMessageBox, CFileDialog, AfxBeginThread, CInternetSession, ...) go
// through them.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/InternetDefs.h"

class CFtpConnection;
class CWnd;

namespace platform {

struct MessageBoxRequest {
    std::string text;
    std::string caption;  // the program file's base name
    UINT type;            // MB_OK
    UINT helpId;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the box modally and returns the button that closed it (IDOK).
    virtual int Show(const MessageBoxRequest& request) = 0;
};

struct FileDialogRequest {
    BOOL openFileDialog;
    std::string defExt;    // the default extension, without or with its dot
    std::string fileName;  // the initial file name
    DWORD flags;           // OFN_ flags
    std::string filter;    // "desc|pattern|...||"
    DWORD filterIndex;     // 1-based filter selected when the dialog opens
    CWnd* parent;          // nullptr: the main window
};

struct FileDialogAnswer {
    bool chosen = false;    // false: the operator cancelled
    std::string path;       // the file as the operator chose it
    DWORD filterIndex = 0;  // 1-based filter selected when the dialog closed; 0 when none
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual FileDialogAnswer Ask(const FileDialogRequest& request) = 0;
    // The chosen file's folder does not exist: the operator is told before being asked again.
    virtual void ReportMissingFolder(const FileDialogRequest& request, const std::string& folder) = 0;
};

class WorkerService {
public:
    virtual ~WorkerService() = default;
    // Runs work on a new thread of its own; false when no thread can be started.
    virtual bool Start(std::function<void()> work) = 0;
};

struct FtpLogin {
    std::string server;
    INTERNET_PORT port;
    std::string user;
    std::string password;
};

class FtpService {
public:
    virtual ~FtpService() = default;
    // A connected, logged-in connection; throws a new CInternetException when that fails.
    virtual std::unique_ptr<CFtpConnection> Connect(const FtpLogin& login) = 0;
};

class SocketService {
public:
    virtual ~SocketService() = default;
    // True when the process can use sockets.
    virtual bool Start() = 0;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    virtual std::time_t Now() = 0;
};

class CodePageService {
public:
    virtual ~CodePageService() = default;
    // 932 (Shift-JIS), 936 (GBK), 949 (Korean), 950 (Big5), 65001 (UTF-8); anything else is single-byte.
    virtual UINT CodePage() = 0;
};

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
