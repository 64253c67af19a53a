// The SDK side of DialogShim.h.
#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/win32/ui/DialogShim.h"

namespace win32::ui {

int ShowBox(Window owner, const char* text, const char* caption, unsigned type)
{
    return ::MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}

void ShowWarning(Window owner, const char* text, const char* caption)
{
    ::MessageBoxA(static_cast<HWND>(owner), text, caption, MB_OK | MB_ICONWARNING);
}

bool AskOpenFileName(const OpenFileQuestion& question, std::string* path, unsigned* filterIndex)
{
    // Room for any path the system can hand back, the initial name in it.
    std::vector<char> file(32768, '\0');
    question.fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = static_cast<HWND>(question.owner);
    ofn.lpstrFilter = question.filter.empty() ? nullptr : question.filter.c_str();
    ofn.nFilterIndex = question.filterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = question.defaultExtension.empty() ? nullptr : question.defaultExtension.c_str();
    ofn.Flags = question.flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameA(&ofn))
        return false;
    *path = file.data();
    *filterIndex = ofn.nFilterIndex;
    return true;
}

bool IsDirectory(const char* path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace win32::ui
