// The application object, and the real services behind the framework calls that reach the operator
// or the system: message boxes, worker threads, the program's path and its version data.
#include "platform/ui/WinApp.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <system_error>
#include <thread>

#include "platform/services/RealServices.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Thread.h"
#include "platform/ui/VersionResource.h"
#include "platform/qt/WindowImpl.h"

namespace {

CWinApp* g_pApp = nullptr;

int ShowMessageBox(const CString& text, UINT nType, UINT nIDHelp)
{
    const char* caption = g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : "";
    return platform::Services().showMessageBox({text, caption, nType, nIDHelp});
}

}  // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    platform::InstallServices(nullptr);
    g_pApp = nullptr;
}

// The help-file path is the program's path with the extension HLP in place of its own.
void CWinApp::UseServices(platform::AppServices services)
{
    m_services = std::move(services);
    platform::InstallServices(&m_services);
    const CString& path = m_services.programPath;
    const std::size_t nameStart = path.rfind('/') + 1;  // 0 without a folder
    const std::size_t dot = path.rfind('.');
    const std::size_t end = dot != CString::npos && dot > nameStart ? dot : path.size();
    m_strHelpFilePath = path.substr(0, end) + ".HLP";
    m_strAppName = path.substr(nameStart, end - nameStart);
    m_pszHelpFilePath = m_strHelpFilePath.c_str();
    m_pszAppName = m_strAppName.c_str();
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

QWidget* MainWindowWidget()
{
    return g_pApp != nullptr && g_pApp->m_pMainWnd != nullptr ? g_pApp->m_pMainWnd->GetImpl()->widget.data() : nullptr;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(LoadString(nIDPrompt), nType, nIDHelp);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(lpszText != nullptr ? lpszText : "", nType, nIDHelp);
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
{
    auto* thread = new CWinThread();
    if (platform::Services().startWorker([pfnThreadProc, pParam, thread] {
            pfnThreadProc(pParam);
            delete thread;
        }))
        return thread;
    delete thread;
    return nullptr;
}

// Windows reads a program's name and version from the resource in its file; here the toolkit keeps
// them for whoever asks the running program (assistive technology, the desktop).
void ApplyVersionResource(const VersionResource& version)
{
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(version.productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version.productVersion));
}

// Over the main window, plain text.
int platform::ShowQtMessageBox(const MessageBoxRequest& request)
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
