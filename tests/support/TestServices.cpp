#include "tests/support/TestServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <mutex>
#include <new>
#include <optional>

#include "platform/net/Internet.h"
#include "platform/services/RealServices.h"
#include "platform/ui/WinApp.h"

namespace test_services {
namespace {

// The real Qt box, closed by the handler once its modal loop runs.
class AnsweredMessageBox : public platform::MessageBoxService {
public:
    int Show(const platform::MessageBoxRequest& request) override
    {
        if (handler) {
            const MessageBoxCall call{request.text, request.caption, request.type, request.helpId};
            auto answer = handler;
            QTimer::singleShot(0, qApp, [answer, call] {
                // What the modal loop has delivered by now is what the operator sees behind the box.
                QCoreApplication::sendPostedEvents();
                QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                const int result = answer(call);
                if (box)
                    box->done(result);
            });
        }
        return m_real->Show(request);
    }

    std::function<int(const MessageBoxCall&)> handler;

private:
    std::shared_ptr<platform::MessageBoxService> m_real = platform::MakeQtMessageBox();
};

class ScriptedFileDialog : public platform::FileDialogService {
public:
    platform::FileDialogAnswer Ask(const platform::FileDialogRequest& request) override
    {
        last = FileDialogCall{request.openFileDialog, request.defExt, request.fileName, request.flags, request.filter};
        if (real)
            return m_real->Ask(request);
        if (!next)
            return {};
        const platform::FileDialogAnswer answer = *next;
        next.reset();
        return answer;
    }
    // The operator who is told the folder is missing gives up: the next question is cancelled.
    void ReportMissingFolder(const platform::FileDialogRequest& request, const std::string& folder) override
    {
        if (real)
            m_real->ReportMissingFolder(request, folder);
        next.reset();
    }

    bool real = false;
    std::optional<platform::FileDialogAnswer> next;
    std::optional<FileDialogCall> last;

private:
    std::shared_ptr<platform::FileDialogService> m_real = platform::MakeQtFileDialog();
};

class CountedThreads : public platform::WorkerService {
public:
    bool Start(std::function<void()> work) override
    {
        if (failNext.exchange(false))
            return false;
        ++running;
        const bool started = m_real->Start([this, work = std::move(work)] {
            work();
            --running;
        });
        if (!started)
            --running;
        return started;
    }

    std::atomic<bool> failNext{false};
    std::atomic<int> running{0};

private:
    std::shared_ptr<platform::WorkerService> m_real = platform::MakeSystemThreads();
};

class ShortenedFtp : public platform::FtpService {
public:
    std::unique_ptr<CFtpConnection> Connect(const platform::FtpLogin& login) override
    {
        switch (fault.exchange(InternetFault::None)) {
        case InternetFault::LongErrorText:
            throw new CInternetException(ERROR_INTERNET_EXTENDED_ERROR, "The server said: " + std::string(283, 'x'));
        case InternetFault::OutOfMemory:
            throw std::bad_alloc();
        case InternetFault::None:
            break;
        }
        platform::net::FtpTimeouts current;
        {
            std::lock_guard<std::mutex> lock(mutex);
            current = timeouts;
        }
        return platform::MakeCurlFtp(current)->Connect(login);
    }

    std::mutex mutex;
    platform::net::FtpTimeouts timeouts = platform::net::kDefaultFtpTimeouts;
    std::atomic<InternetFault> fault{InternetFault::None};
};

class FailingSockets : public platform::SocketService {
public:
    bool Start() override { return !fails.load() && m_real->Start(); }
    std::atomic<bool> fails{false};

private:
    std::shared_ptr<platform::SocketService> m_real = platform::MakeSystemSockets();
};

class ForcedCodePage : public platform::CodePageService {
public:
    UINT CodePage() override
    {
        const UINT forcedPage = forced.load();
        return forcedPage != 0 ? forcedPage : m_real->CodePage();
    }
    std::atomic<UINT> forced{0};

private:
    std::shared_ptr<platform::CodePageService> m_real = platform::MakeLocaleCodePage();
};

struct Wired {
    std::shared_ptr<AnsweredMessageBox> messageBox = std::make_shared<AnsweredMessageBox>();
    std::shared_ptr<ScriptedFileDialog> fileDialog = std::make_shared<ScriptedFileDialog>();
    std::shared_ptr<CountedThreads> workers = std::make_shared<CountedThreads>();
    std::shared_ptr<ShortenedFtp> ftp = std::make_shared<ShortenedFtp>();
    std::shared_ptr<FailingSockets> sockets = std::make_shared<FailingSockets>();
    std::shared_ptr<ForcedCodePage> codePage = std::make_shared<ForcedCodePage>();
    std::string programPath = platform::RunningProgramPath();
};

Wired& Services()
{
    static Wired wired;
    return wired;
}

void Wire()
{
    Wired& w = Services();
    platform::AppServices services;
    services.messageBox = w.messageBox;
    services.fileDialog = w.fileDialog;
    services.workers = w.workers;
    services.ftp = w.ftp;
    services.sockets = w.sockets;
    services.clock = platform::MakeSystemClock();
    services.codePage = w.codePage;
    services.programPath = w.programPath;
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
    Services().workers->failNext = false;
    RestoreFtpTimeouts();
    Services().ftp->fault = InternetFault::None;
    SetSocketInitFails(false);
    SetCodePage(0);
}

void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler)
{
    Services().messageBox->handler = std::move(handler);
}

void SetNextFileDialogResult(const std::string& path, DWORD filterIndex)
{
    platform::FileDialogAnswer answer;
    answer.chosen = true;
    answer.path = path;
    answer.filterIndex = filterIndex;
    Services().fileDialog->next = answer;
}

void SetNextFileDialogCancel()
{
    Services().fileDialog->next = platform::FileDialogAnswer{};
}

bool LastFileDialog(FileDialogCall& call)
{
    if (!Services().fileDialog->last)
        return false;
    call = *Services().fileDialog->last;
    return true;
}

void UseRealFileDialog()
{
    Services().fileDialog->real = true;
}

void ResetFileDialog()
{
    Services().fileDialog->real = false;
    Services().fileDialog->next.reset();
    Services().fileDialog->last.reset();
}

void FailNextThreadStart()
{
    Services().workers->failNext = true;
}

int RunningWorkerThreads()
{
    return Services().workers->running.load();
}

void SetFtpTimeouts(const platform::net::FtpTimeouts& timeouts)
{
    std::lock_guard<std::mutex> lock(Services().ftp->mutex);
    Services().ftp->timeouts = timeouts;
}

void RestoreFtpTimeouts()
{
    SetFtpTimeouts(platform::net::kDefaultFtpTimeouts);
}

void InjectInternetFault(InternetFault fault)
{
    Services().ftp->fault = fault;
}

void SetSocketInitFails(bool fails)
{
    Services().sockets->fails = fails;
}

void SetCodePage(UINT codePage)
{
    Services().codePage->forced = codePage;
}

void SetProgramPath(const char* path)
{
    Services().programPath = path != nullptr ? path : "";
    Wire();
}

}  // namespace test_services
