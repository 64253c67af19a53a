// What shows a message box: the real one opens a modal Qt box over the main window.
#pragma once

#include <string>

#include "platform/sys/WinTypes.h"

namespace platform {

struct MessageBoxRequest {
    std::string text;
    std::string caption;  // the program file's base name
    UINT type;            // MB_OK
    UINT helpId;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the box modally and returns the button that closed it (IDOK).
    virtual int Show(const MessageBoxRequest& request) = 0;
};

}  // namespace platform
