#include "tests/support/TestServices.h"

#include <atomic>
#include <mutex>
#include <new>
#include <optional>

#include "platform/net/Internet.h"
#include "platform/services/RealServices.h"
#include "platform/ui/WinApp.h"
#include "tests/support/MessageBoxAnswer.h"

namespace test_services {
namespace {

// What the tests set, read by the services below on whichever thread calls them.
struct Settings {
    std::function<int(const MessageBoxCall&)> messageBoxHandler;
    bool realFileDialog = false;
    std::optional<platform::FileDialogAnswer> nextFileDialog;
    std::optional<FileDialogCall> lastFileDialog;
    std::atomic<bool> failNextThread{false};
    std::atomic<int> runningThreads{0};
    std::mutex ftpMutex;
    platform::net::FtpTimeouts ftpTimeouts = platform::net::kDefaultFtpTimeouts;
    std::atomic<InternetFault> ftpFault{InternetFault::None};
    std::atomic<bool> socketsFail{false};
    std::atomic<long> wallClockShift{0};
    std::atomic<UINT> codePage{0};
    std::string programPath = platform::RunningProgramPath();
};

Settings& Set()
{
    static Settings settings;
    return settings;
}

// The real box, closed by the handler once its modal loop runs.
int ShowAnsweredMessageBox(const platform::MessageBoxRequest& request)
{
    if (auto answer = Set().messageBoxHandler) {
        const MessageBoxCall call{request.text, request.caption, request.type, request.helpId};
        AnswerNextMessageBox([answer, call] { return answer(call); });
    }
    return platform::ShowSystemMessageBox(request);
}

platform::FileDialogAnswer AskScriptedFileDialog(const platform::FileDialogRequest& request)
{
    Set().lastFileDialog = FileDialogCall{request.openFileDialog, request.defExt, request.fileName, request.flags,
                                          request.filter};
    if (Set().realFileDialog)
        return platform::AskSystemFileName(request);
    const platform::FileDialogAnswer answer = Set().nextFileDialog.value_or(platform::FileDialogAnswer{});
    Set().nextFileDialog.reset();
    return answer;
}

// The operator who is told the folder is missing gives up: the next question is cancelled.
void ReportMissingFolder(const platform::FileDialogRequest& request, const std::string& folder)
{
    if (Set().realFileDialog)
        platform::ReportSystemMissingFolder(request, folder);
    Set().nextFileDialog.reset();
}

bool StartCountedThread(std::function<void()> work)
{
    if (Set().failNextThread.exchange(false))
        return false;
    ++Set().runningThreads;
    const bool started = platform::StartSystemThread([work = std::move(work)] {
        work();
        --Set().runningThreads;
    });
    if (!started)
        --Set().runningThreads;
    return started;
}

std::unique_ptr<CFtpConnection> ConnectShortenedFtp(const platform::FtpLogin& login)
{
    switch (Set().ftpFault.exchange(InternetFault::None)) {
    case InternetFault::LongErrorText:
        throw new CInternetException(ERROR_INTERNET_EXTENDED_ERROR, "The server said: " + std::string(283, 'x'));
    case InternetFault::OutOfMemory:
        throw std::bad_alloc();
    case InternetFault::None:
        break;
    }
    platform::net::FtpTimeouts current;
    {
        std::lock_guard<std::mutex> lock(Set().ftpMutex);
        current = Set().ftpTimeouts;
    }
    return CFtpConnection::Open(login, current);
}

void Wire()
{
    platform::AppServices services;
    services.showMessageBox = ShowAnsweredMessageBox;
    services.askFileName = AskScriptedFileDialog;
    services.reportMissingFolder = ReportMissingFolder;
    services.startWorker = StartCountedThread;
    services.connectFtp = ConnectShortenedFtp;
    services.startSockets = [] { return !Set().socketsFail.load() && platform::StartSystemSockets(); };
    services.now = [] { return platform::WallClockNow() + Set().wallClockShift.load(); };
    services.tickCount = platform::SteadyClockMs;
    services.codePage = [] {
        const UINT forced = Set().codePage.load();
        return forced != 0 ? forced : platform::LocaleCodePage();
    };
    services.programPath = Set().programPath;
    AfxGetApp()->UseServices(std::move(services));
}

}  // namespace

void Install()
{
    Wire();
}

void Reset()
{
    SetMessageBoxHandler(nullptr);
    ResetFileDialog();
    Set().failNextThread = false;
    RestoreFtpTimeouts();
    Set().ftpFault = InternetFault::None;
    SetSocketInitFails(false);
    Set().wallClockShift = 0;
    SetCodePage(0);
}

void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler)
{
    Set().messageBoxHandler = std::move(handler);
}

void SetNextFileDialogResult(const std::string& path, DWORD filterIndex)
{
    platform::FileDialogAnswer answer;
    answer.chosen = true;
    answer.path = path;
    answer.filterIndex = filterIndex;
    Set().nextFileDialog = answer;
}

void SetNextFileDialogCancel()
{
    Set().nextFileDialog = platform::FileDialogAnswer{};
}

bool LastFileDialog(FileDialogCall& call)
{
    if (!Set().lastFileDialog)
        return false;
    call = *Set().lastFileDialog;
    return true;
}

void UseRealFileDialog()
{
    Set().realFileDialog = true;
}

void ResetFileDialog()
{
    Set().realFileDialog = false;
    Set().nextFileDialog.reset();
    Set().lastFileDialog.reset();
}

void FailNextThreadStart()
{
    Set().failNextThread = true;
}

int RunningWorkerThreads()
{
    return Set().runningThreads.load();
}

void SetFtpTimeouts(const platform::net::FtpTimeouts& timeouts)
{
    std::lock_guard<std::mutex> lock(Set().ftpMutex);
    Set().ftpTimeouts = timeouts;
}

void RestoreFtpTimeouts()
{
    SetFtpTimeouts(platform::net::kDefaultFtpTimeouts);
}

void InjectInternetFault(InternetFault fault)
{
    Set().ftpFault = fault;
}

void StepWallClock(long seconds)
{
    Set().wallClockShift += seconds;
}

void SetSocketInitFails(bool fails)
{
    Set().socketsFail = fails;
}

void SetCodePage(UINT codePage)
{
    Set().codePage = codePage;
}

void SetProgramPath(const char* path)
{
    Set().programPath = path != nullptr ? path : "";
    Wire();
}

}  // namespace test_services
