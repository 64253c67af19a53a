// The program's entry point: the Qt application, the real services, then the one application
// object's InitInstance. The program reads no command line: Qt is given the program's name alone.
#include <QApplication>

#include "platform/services/RealServices.h"
#include "platform/ui/WinApp.h"
#include "platform/qt/WindowImpl.h"

int main(int, char* argv[])
{
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication application(argc, args);
    application.setWindowIcon(ProgramIcon());  // every window of the program, message boxes too
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->UseServices(platform::MakeRealServices());
    if (app->InitInstance())
        application.exec();
    return 0;
}
