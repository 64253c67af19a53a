// The file-open dialog with the framework's filter syntax: pairs of a description and a pattern,
// separated by "|" and ended by "||", e.g. "Binary Files (*.bin)|*.bin|All Files|*.*||". The filter
// selected when the dialog closes is m_ofn.nFilterIndex, counted from 1.
#pragma once

#include "platform/sys/WinTypes.h"

class CWnd;

constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;  // the chosen file's folder must exist

struct OPENFILENAME {
    DWORD Flags = 0;
    DWORD nFilterIndex = 1;  // in: the filter selected when the dialog opens; out: when it closed
};

class CFileDialog {
public:
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags, LPCSTR lpszFilter,
                CWnd* pParentWnd);

    // IDOK when the operator chose a file, IDCANCEL otherwise. A name given without an extension
    // gets the default extension.
    int DoModal();

    CString GetPathName() const { return m_strPathName; }
    CString GetFileExt() const;    // the extension without the dot; empty when there is none
    CString GetFileTitle() const;  // the name without the folder and the extension

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CWnd* m_pParentWnd;
    CString m_strPathName;
};
