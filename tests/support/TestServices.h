// The services that tests wire into the application object in place of the program's: message
// boxes answered by a handler while the real box is open, scripted file dialog answers, counted
// worker threads, FTP with shorter time-outs or a fault, sockets that fail to start, a wall clock
// that is set back, a forced code page and a program path of the test's choosing. Each setter changes what the services do from
// then on; Reset puts them back as a run of the program finds them.
#pragma once

#include <functional>
#include <string>

#include "platform/net/InternetTimeouts.h"
#include "platform/sys/WinTypes.h"

namespace test_services {

// Wires the test services (the tests' main does it once).
void Install();
// Every setter back to its start: no handler, no scripted answer, no fault, the locale's code page.
void Reset();

struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type;
    UINT helpId;
};
// The handler runs while the box is open (after the messages posted so far have arrived, as a modal
// loop would deliver them) and its result closes the box. Without a handler the box waits for the user.
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler);

struct FileDialogCall {
    BOOL openFileDialog;
    std::string defExt;
    std::string fileName;  // the initial file name
    DWORD flags;
    std::string filter;
};
// The next file dialog is answered with this path and 1-based filter index without showing a window.
void SetNextFileDialogResult(const std::string& path, DWORD filterIndex);
// The next file dialog is cancelled without showing a window.
void SetNextFileDialogCancel();
// The parameters of the last dialog asked; false when none has been asked since the last reset.
bool LastFileDialog(FileDialogCall& call);
void ResetFileDialog();
// The real Qt file dialog answers from now until ResetFileDialog.
void UseRealFileDialog();

// The next worker thread cannot be started, as when the system has no thread to give.
void FailNextThreadStart();
// Worker threads started and not yet returned.
int RunningWorkerThreads();

// Shorter FTP time-outs, so that a test sees a bound hold without waiting minutes.
void SetFtpTimeouts(const platform::net::FtpTimeouts& timeouts);
void RestoreFtpTimeouts();
enum class InternetFault {
    None,
    LongErrorText,  // the attempt fails with an Internet exception whose text runs to 300 characters
    OutOfMemory,    // the attempt fails as when memory runs out (std::bad_alloc), not an Internet exception
};
// The next FTP connection attempt meets the fault, then the service behaves again.
void InjectInternetFault(InternetFault fault);

// The wall clock jumps by this many seconds (back when negative), as when a time server sets it.
void StepWallClock(long seconds);

// Sockets cannot be started for the process.
void SetSocketInitFails(bool fails);
// A forced code page; 0 takes the locale's again.
void SetCodePage(UINT codePage);
// The program file's full path, from which the help-file path and the base name follow.
void SetProgramPath(const char* path);

}  // namespace test_services
