// The common dialogs of the Win32 UI backend, through plain types (see WindowShim.h for why); only
// DialogShim.cpp includes the SDK.
#pragma once

#include <string>

#include "platform/win32/ui/WindowShim.h"

namespace win32::ui {

// MessageBoxA: the button that closed the box.
int ShowBox(Window owner, const char* text, const char* caption, unsigned type);
// A warning with an OK button.
void ShowWarning(Window owner, const char* text, const char* caption);

struct OpenFileQuestion {
    Window owner;
    std::string filter;        // pairs of description and pattern, each ended by a zero byte, the list by another
    unsigned filterIndex;      // 1-based
    std::string fileName;      // the initial file, perhaps with its folder
    std::string defaultExtension;  // without the dot
    unsigned flags;            // OFN_ flags of the caller
};

// GetOpenFileNameA: false when the operator cancelled; else the path and the filter then selected.
bool AskOpenFileName(const OpenFileQuestion& question, std::string* path, unsigned* filterIndex);

bool IsDirectory(const char* path);

}  // namespace win32::ui
