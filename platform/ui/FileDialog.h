// The file-open (and save) dialog with the framework's filter syntax: pairs of a description and a
// pattern, separated by "|" and ended by "||", e.g. "Binary Files (*.bin)|*.bin|All Files|*.*||".
// The filter selected when the dialog closes is m_ofn.nFilterIndex, counted from 1.
#pragma once

#include "platform/sys/WinTypes.h"

class CWnd;

constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;  // a save dialog asks before replacing a file
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;     // no read-only check box (there never is one here)
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;    // the chosen file's folder must exist

struct OPENFILENAME {
    DWORD Flags = 0;
    DWORD nFilterIndex = 1;  // in: the filter selected when the dialog opens; out: when it closed
};

class CFileDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // IDOK when the operator chose a file, IDCANCEL otherwise. A name typed without an extension gets
    // the default extension.
    int DoModal();

    CString GetPathName() const;   // the chosen file's full path
    CString GetFileName() const;   // its name without the folder
    CString GetFileExt() const;    // its extension without the dot; empty when there is none
    CString GetFileTitle() const;  // its name without the folder and the extension

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CWnd* m_pParentWnd;
    CString m_strPathName;
};
