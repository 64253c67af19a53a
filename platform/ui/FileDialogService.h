// What asks the operator for a file: the real one runs Qt's file dialog.
#pragma once

#include <string>

#include "platform/sys/WinTypes.h"

class CWnd;

namespace platform {

struct FileDialogRequest {
    BOOL openFileDialog;
    std::string defExt;    // the default extension, without or with its dot
    std::string fileName;  // the initial file name
    DWORD flags;           // OFN_ flags
    std::string filter;    // "desc|pattern|...||"
    DWORD filterIndex;     // 1-based filter selected when the dialog opens
    CWnd* parent;          // nullptr: the main window
};

struct FileDialogAnswer {
    bool chosen = false;   // false: the operator cancelled
    std::string path;      // the file as the operator chose it
    DWORD filterIndex = 0; // 1-based filter selected when the dialog closed; 0 when none
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual FileDialogAnswer Ask(const FileDialogRequest& request) = 0;
    // The chosen file's folder does not exist: the operator is told before being asked again.
    virtual void ReportMissingFolder(const FileDialogRequest& request, const std::string& folder) = 0;
};

}  // namespace platform
