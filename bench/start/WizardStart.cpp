// The wizard's start-up as the program does it - the platform's entry point with the real services, then the application
// object's InitInstance with its sheet shown modally - ended at the first paint of the intro page.
// Like the program it reads no command line; its log lands beside this file (build/bench/).
#include <QApplication>

#include "bench/start/FirstPaintSignal.h"
#include "platform/services/RealServices.h"
#include "platform/ui/WinApp.h"
#include "platform/qt/WindowImpl.h"
#include "wizard/ZeltoSheet.h"

int main(int, char* argv[])
{
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication application(argc, args);
    application.setWindowIcon(ProgramIcon());
    FirstPaintSignal signal([]() -> QWidget* {
        CWinApp* app = AfxGetApp();
        if (app == nullptr || app->m_pMainWnd == nullptr)
            return nullptr;
        return static_cast<CZeltoSheet*>(app->m_pMainWnd)->m_Intro.GetImpl()->widget.data();
    });
    application.installEventFilter(&signal);
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->UseServices(platform::MakeRealServices());
    if (app->InitInstance())
        application.exec();
    // Reaching here means the intro page was never painted.
    return 4;
}
