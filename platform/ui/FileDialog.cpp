#include "platform/ui/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <optional>

#include "platform/ui/WinApp.h"
#include "platform/ui/WindowImpl.h"

namespace {

struct ScriptedAnswer {
    bool ok;
    std::string path;
    DWORD filterIndex;
};

std::optional<ScriptedAnswer> g_nextAnswer;
std::optional<platform::seams::FileDialogCall> g_lastCall;

QString FromLocal(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

CString ToLocal(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

// "desc|pattern|desc|pattern||" as Qt name filters. Qt reads the patterns from the parentheses at the
// end of a filter; with the details hidden the operator sees each description exactly as given.
QStringList NameFilters(const std::string& filter)
{
    QStringList parts = FromLocal(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
    }
    return filters;
}

// The 1-based index of the selected filter; 0 when there is none. With the details hidden Qt may
// report the filter as the operator sees it, without its patterns.
DWORD FilterIndexOf(const QStringList& filters, const QString& selected)
{
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QString shown = filters[i].left(filters[i].lastIndexOf(QLatin1Char('('))).trimmed();
        if (selected == filters[i] || selected.trimmed() == shown)
            return static_cast<DWORD>(i + 1);
    }
    return 0;
}

// A file name without any dot gets the default extension, as Qt's own dialog does it.
QString WithDefaultExtension(const QString& path, const std::string& defExt)
{
    QString extension = FromLocal(defExt);
    if (extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    const QFileInfo info(path);
    if (extension.isEmpty() || path.isEmpty() || info.isDir() || info.fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
}

bool FolderExists(const QString& path)
{
    return QFileInfo(path).absoluteDir().exists();
}

QWidget* OwnerWidget(CWnd* pParentWnd)
{
    if (pParentWnd == nullptr) {
        CWinApp* app = AfxGetApp();
        pParentWnd = app != nullptr ? app->m_pMainWnd : nullptr;
    }
    return pParentWnd != nullptr ? pParentWnd->GetImpl()->widget.data() : nullptr;
}

std::size_t NameStart(const CString& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == CString::npos ? 0 : slash + 1;
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

int CFileDialog::DoModal()
{
    g_lastCall = platform::seams::FileDialogCall{m_bOpenFileDialog, m_strDefExt, m_strFileName, m_ofn.Flags, m_strFilter};
    const QStringList filters = NameFilters(m_strFilter);

    QString chosen;
    DWORD filterIndex = 0;
    if (g_nextAnswer) {
        const ScriptedAnswer answer = *g_nextAnswer;
        g_nextAnswer.reset();
        // A folder that does not exist is refused and the operator gives up: a cancelled dialog.
        chosen = WithDefaultExtension(FromLocal(answer.path), m_strDefExt);
        if (!answer.ok || ((m_ofn.Flags & OFN_PATHMUSTEXIST) && !FolderExists(chosen)))
            return IDCANCEL;
        filterIndex = answer.filterIndex;
    } else {
        QFileDialog dialog(OwnerWidget(m_pParentWnd));
        dialog.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(m_ofn.Flags & OFN_OVERWRITEPROMPT));
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            if (m_ofn.nFilterIndex >= 1 && m_ofn.nFilterIndex <= static_cast<DWORD>(filters.size()))
                dialog.selectNameFilter(filters[static_cast<qsizetype>(m_ofn.nFilterIndex) - 1]);
        }
        QString extension = FromLocal(m_strDefExt);
        dialog.setDefaultSuffix(extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension);
        if (!m_strFileName.empty())
            dialog.selectFile(FromLocal(m_strFileName));
        for (;;) {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
                return IDCANCEL;
            chosen = WithDefaultExtension(dialog.selectedFiles().first(), m_strDefExt);
            if (!(m_ofn.Flags & OFN_PATHMUSTEXIST) || FolderExists(chosen))
                break;
            QMessageBox::warning(&dialog, dialog.windowTitle(),
                                 QStringLiteral("%1\nThe path does not exist.\nCheck the path and try again.")
                                     .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath())));
        }
        filterIndex = FilterIndexOf(filters, dialog.selectedNameFilter());
    }
    m_strPathName = ToLocal(QFileInfo(chosen).absoluteFilePath());
    m_ofn.nFilterIndex = filterIndex;
    return IDOK;
}

CString CFileDialog::GetPathName() const
{
    return m_strPathName;
}

CString CFileDialog::GetFileName() const
{
    return m_strPathName.substr(NameStart(m_strPathName));
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const std::size_t dot = name.rfind('.');
    return dot == CString::npos ? CString() : name.substr(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    return name.substr(0, name.rfind('.'));
}

namespace platform::seams {
void SetNextFileDialogResult(const std::string& path, DWORD filterIndex)
{
    g_nextAnswer = ScriptedAnswer{true, path, filterIndex};
}

void SetNextFileDialogCancel()
{
    g_nextAnswer = ScriptedAnswer{false, std::string(), 0};
}

bool LastFileDialog(FileDialogCall& call)
{
    if (!g_lastCall)
        return false;
    call = *g_lastCall;
    return true;
}

void ResetFileDialogSeam()
{
    g_nextAnswer.reset();
    g_lastCall.reset();
}
}  // namespace platform::seams
