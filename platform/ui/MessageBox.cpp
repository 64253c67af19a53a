#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/sys/StringRes.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WindowImpl.h"

namespace {
std::function<int(const platform::seams::MessageBoxCall&)> g_handler;

int ShowMessageBox(const CString& text, UINT nType, UINT nIDHelp)
{
    CWinApp* app = AfxGetApp();
    const CString caption = app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : "";
    QWidget* owner = nullptr;
    if (app != nullptr && app->m_pMainWnd != nullptr)
        owner = app->m_pMainWnd->GetImpl()->widget;
    QMessageBox box(QMessageBox::NoIcon, QString::fromLocal8Bit(caption.c_str()), QString::fromLocal8Bit(text.c_str()),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(ProgramIcon());
    if (g_handler) {
        const platform::seams::MessageBoxCall call{text, caption, nType, nIDHelp};
        auto handler = g_handler;
        QTimer::singleShot(0, &box, [&box, handler, call] {
            // What the modal loop has delivered by now is what the operator sees behind the box.
            QCoreApplication::sendPostedEvents();
            box.done(handler(call));
        });
    }
    const int answer = box.exec();
    return answer == QMessageBox::Ok ? IDOK : answer;
}
}  // namespace

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(LoadString(nIDPrompt), nType, nIDHelp);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(lpszText != nullptr ? lpszText : "", nType, nIDHelp);
}

namespace platform::seams {
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler) { g_handler = std::move(handler); }
}  // namespace platform::seams
