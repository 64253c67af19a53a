#include "transfer/UpdateLog.h"

#include <utility>

#include "platform/sys/DateTime.h"
#include "platform/sys/File.h"

CUpdateLog::CUpdateLog(CString strPath, BOOL bEnabled) : m_strPath(std::move(strPath)), m_bEnabled(bEnabled) {}

void CUpdateLog::Reset() const
{
    CFile file;
    if (file.Open(m_strPath.c_str(), CFile::modeCreate | CFile::shareDenyWrite | CFile::modeWrite))
        file.Close();
}

void CUpdateLog::Write(const CString& strText) const
{
    if (!m_bEnabled || m_strPath.empty())
        return;
    CFile file;
    // Kept, not emptied, when it exists; another writer holding it costs this line, silently. The
    // file is opened and closed for every line, so each line is on disk when the call returns.
    if (!file.Open(m_strPath.c_str(),
                   CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite | CFile::modeWrite))
        return;
    // The line goes out in one write, so a failing disk cannot leave half a time stamp before it.
    const CString line = COleDateTime::GetCurrentTime().Format(0, LANG_USER_DEFAULT) + " : " + strText + "\r\n";
    try {
        file.SeekToEnd();
        file.Write(line.data(), static_cast<UINT>(line.size()));
    } catch (CFileException* e) {
        // A full disk costs the line; the transfer goes on.
        e->Delete();
    }
    file.Close();
}
