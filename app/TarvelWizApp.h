// The application: starts sockets, empties the update log and runs the wizard as the program's
// only window. The process ends when the wizard closes.
#pragma once

#include "platform/ui/WinApp.h"

class CTarvelWizApp : public CWinApp {
public:
    CTarvelWizApp();

    // Always FALSE: the wizard's modal loop is the program's only message loop.
    BOOL InitInstance() override;
};

extern CTarvelWizApp theApp;
