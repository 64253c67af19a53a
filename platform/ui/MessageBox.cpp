#include "platform/ui/MessageBox.h"

#include <QMessageBox>

#include "platform/services/RealServices.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WindowImpl.h"

namespace {

int ShowMessageBox(const CString& text, UINT nType, UINT nIDHelp)
{
    CWinApp* app = AfxGetApp();
    const CString caption = app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : "";
    return platform::Services().messageBox->Show({text, caption, nType, nIDHelp});
}

// The box opens over the main window, plain text, with the program's icon.
class QtMessageBox : public platform::MessageBoxService {
public:
    int Show(const platform::MessageBoxRequest& request) override
    {
        CWinApp* app = AfxGetApp();
        QWidget* owner = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->GetImpl()->widget.data()
                                                                       : nullptr;
        QMessageBox box(QMessageBox::NoIcon, QString::fromLocal8Bit(request.caption.c_str()),
                        QString::fromLocal8Bit(request.text.c_str()), QMessageBox::Ok, owner);
        box.setTextFormat(Qt::PlainText);
        box.setWindowIcon(ProgramIcon());
        const int answer = box.exec();
        return answer == QMessageBox::Ok ? IDOK : answer;
    }
};

}  // namespace

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(LoadString(nIDPrompt), nType, nIDHelp);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(lpszText != nullptr ? lpszText : "", nType, nIDHelp);
}

std::shared_ptr<platform::MessageBoxService> platform::MakeQtMessageBox()
{
    return std::make_shared<QtMessageBox>();
}
