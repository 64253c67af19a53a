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
class CInternetSession;
class CWnd;

namespace platform {

struct MessageBoxRequest {
    std::string text;
    std::string caption;  // the program file's base name
    UINT type;            // MB_OK
    UINT helpId;
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

struct FtpLogin {
    std::string server;
    INTERNET_PORT port;
    std::string user;
    std::string password;
    CInternetSession* session = nullptr;  // hears of the log-in's progress; nullptr: nobody does
};

struct AppServices {
    // Shows the box modally and returns the button that closed it (IDOK).
    std::function<int(const MessageBoxRequest&)> showMessageBox;
    // Asks the operator for a file; a cancelled dialog is an answer with nothing chosen.
    std::function<FileDialogAnswer(const FileDialogRequest&)> askFileName;
    // The chosen file's folder does not exist: the operator is told before being asked again.
    std::function<void(const FileDialogRequest&, const std::string& folder)> reportMissingFolder;
    // Runs work on a new thread of its own; false when no thread can be started.
    std::function<bool(std::function<void()> work)> startWorker;
    // A connected, logged-in connection; throws a new CInternetException when that fails.
    std::function<std::unique_ptr<CFtpConnection>(const FtpLogin&)> connectFtp;
    // True when the process can use sockets.
    std::function<bool()> startSockets;
    // The wall clock, in seconds since 1970: what the log's time stamps show. It may step back.
    std::function<std::time_t()> now;
    // Milliseconds from a clock that only moves forward, whatever is done to the wall clock: what a
    // wait is measured on.
    std::function<ULONGLONG()> tickCount;
    // 932 (Shift-JIS), 936 (GBK), 949 (Korean), 950 (Big5), 65001 (UTF-8); anything else is single-byte.
    std::function<UINT()> codePage;
    std::string programPath;  // the program file's full path
};

// The services of the application object (an empty set before one is wired).
const AppServices& Services();

// Makes these the services that Services() returns; the application object calls it.
void InstallServices(const AppServices* services);

}  // namespace platform
