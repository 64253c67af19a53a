// The file-open dialog: the system's own (GetOpenFileNameA) behind the file-dialog service, the
// framework's "desc|pattern|...||" filter turned into the system's zero-separated list.
#include "platform/ui/FileDialog.h"

#include <algorithm>

#include "platform/services/RealServices.h"
#include "platform/win32/ui/DialogShim.h"
#include "platform/win32/ui/WindowImpl.h"

namespace {

std::string WithoutDot(const std::string& extension)
{
    return !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
}

// The name part of a path: after the last separator of either kind, as the system reads a path.
std::size_t NameStart(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

win32::ui::Window OwnerWindow(CWnd* pParentWnd)
{
    return pParentWnd != nullptr ? pParentWnd->GetImpl()->hwnd : MainWindowHandle();
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : ""),
      m_strFileName(lpszFileName != nullptr ? lpszFileName : ""),
      m_strFilter(lpszFilter != nullptr ? lpszFilter : ""),
      m_pParentWnd(pParentWnd)
{
    m_ofn.Flags = dwFlags;
}

// The operator is asked until the chosen file's folder exists (when it must) or the dialog is cancelled.
int CFileDialog::DoModal()
{
    platform::FileDialogRequest request{m_bOpenFileDialog, m_strDefExt, m_strFileName, m_ofn.Flags,
                                        m_strFilter,       m_ofn.nFilterIndex, m_pParentWnd};
    const std::string extension = WithoutDot(m_strDefExt);
    for (;;) {
        const platform::FileDialogAnswer answer = platform::Services().askFileName(request);
        if (!answer.chosen || answer.path.empty())
            return IDCANCEL;
        std::string chosen = answer.path;
        const std::size_t nameStart = NameStart(chosen);
        if (!extension.empty() && chosen.find('.', nameStart) == std::string::npos)
            chosen += "." + extension;
        // The folder with its separator, so that a drive's or the root folder reads as one.
        const std::string folder = nameStart > 0 ? chosen.substr(0, nameStart) : std::string(".");
        if (!(m_ofn.Flags & OFN_PATHMUSTEXIST) || win32::ui::IsDirectory(folder.c_str())) {
            m_strPathName = chosen;
            m_ofn.nFilterIndex = answer.filterIndex;
            return IDOK;
        }
        platform::Services().reportMissingFolder(request, folder);
        request.fileName = answer.path;
        request.filterIndex = answer.filterIndex;
    }
}

CString CFileDialog::GetFileExt() const
{
    const CString name = m_strPathName.substr(NameStart(m_strPathName));
    const std::size_t dot = name.rfind('.');
    return dot == CString::npos ? CString() : name.substr(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = m_strPathName.substr(NameStart(m_strPathName));
    return name.substr(0, name.rfind('.'));
}

platform::FileDialogAnswer platform::AskSystemFileName(const FileDialogRequest& request)
{
    // "desc|pattern|desc|pattern||": every bar becomes the zero byte that ends each part.
    std::string filter = request.filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    win32::ui::OpenFileQuestion question{OwnerWindow(request.parent), filter, request.filterIndex, request.fileName,
                                         WithoutDot(request.defExt), request.flags};
    FileDialogAnswer answer;
    unsigned filterIndex = 0;
    answer.chosen = win32::ui::AskOpenFileName(question, &answer.path, &filterIndex);
    answer.filterIndex = filterIndex;
    return answer;
}

void platform::ReportSystemMissingFolder(const FileDialogRequest& request, const std::string& folder)
{
    const std::string text = folder + "\nThe path does not exist.\nCheck the path and try again.";
    win32::ui::ShowWarning(OwnerWindow(request.parent), text.c_str(), "Open");
}
