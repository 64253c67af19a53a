// Modal message boxes with an OK button, captioned with the program file's base name.
#pragma once

#include <functional>
#include <string>

#include "platform/sys/WinTypes.h"

// A text from the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
// A text made at run time.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

namespace platform::seams {
struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type;
    UINT helpId;
};
// Tests only: the handler runs while the box is open (after the messages posted so far have arrived,
// as a modal loop would deliver them) and its result closes the box. Without a handler the box waits
// for the user.
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler);
}  // namespace platform::seams
