// The real services behind the framework calls that reach the operator or the system, over Qt:
// message boxes, worker threads, the program's path and its version data.
#include "platform/ui/WinApp.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <system_error>
#include <thread>

#include "platform/services/RealServices.h"
#include "platform/ui/VersionResource.h"
#include "platform/qt/WindowImpl.h"

QWidget* MainWindowWidget()
{
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->GetImpl()->widget.data() : nullptr;
}

// Windows reads a program's name and version from the resource in its file; here the toolkit keeps
// them for whoever asks the running program (assistive technology, the desktop).
void ApplyVersionResource(const VersionResource& version)
{
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(version.productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version.productVersion));
}

// Over the main window, plain text.
int platform::ShowSystemMessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLocal8Bit(request.caption.c_str()),
                    QString::fromLocal8Bit(request.text.c_str()), QMessageBox::Ok, MainWindowWidget());
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    return answer == QMessageBox::Ok ? IDOK : answer;
}

bool platform::StartSystemThread(std::function<void()> work)
{
    try {
        std::thread(std::move(work)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

std::string platform::RunningProgramPath()
{
    return QCoreApplication::applicationFilePath().toLocal8Bit().toStdString();
}
