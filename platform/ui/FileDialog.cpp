#include "platform/ui/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "platform/services/RealServices.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WindowImpl.h"

namespace {

QString FromLocal(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
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

QString WithoutDot(const std::string& extension)
{
    const QString text = FromLocal(extension);
    return text.startsWith(QLatin1Char('.')) ? text.mid(1) : text;
}

// A file name without any dot gets the default extension, as Qt's own dialog does it.
QString WithDefaultExtension(const QString& path, const std::string& defExt)
{
    const QString extension = WithoutDot(defExt);
    const QFileInfo info(path);
    if (extension.isEmpty() || path.isEmpty() || info.isDir() || info.fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
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

class QtFileDialog : public platform::FileDialogService {
public:
    platform::FileDialogAnswer Ask(const platform::FileDialogRequest& request) override
    {
        const QStringList filters = NameFilters(request.filter);
        QFileDialog dialog(OwnerWidget(request.parent));
        dialog.setAcceptMode(request.openFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & OFN_OVERWRITEPROMPT));
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            if (request.filterIndex >= 1 && request.filterIndex <= static_cast<DWORD>(filters.size()))
                dialog.selectNameFilter(filters[static_cast<qsizetype>(request.filterIndex) - 1]);
        }
        dialog.setDefaultSuffix(WithoutDot(request.defExt));
        if (!request.fileName.empty())
            dialog.selectFile(FromLocal(request.fileName));
        platform::FileDialogAnswer answer;
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return answer;
        answer.chosen = true;
        answer.path = dialog.selectedFiles().first().toLocal8Bit().toStdString();
        answer.filterIndex = FilterIndexOf(filters, dialog.selectedNameFilter());
        return answer;
    }

    void ReportMissingFolder(const platform::FileDialogRequest& request, const std::string& folder) override
    {
        QMessageBox::warning(OwnerWidget(request.parent),
                             request.openFileDialog ? QStringLiteral("Open") : QStringLiteral("Save As"),
                             QStringLiteral("%1\nThe path does not exist.\nCheck the path and try again.")
                                 .arg(QDir::toNativeSeparators(FromLocal(folder))));
    }
};

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
    platform::FileDialogRequest request{m_bOpenFileDialog, m_strDefExt,      m_strFileName,
                                        m_ofn.Flags,       m_strFilter,      m_ofn.nFilterIndex,
                                        m_pParentWnd};
    for (;;) {
        const platform::FileDialogAnswer answer = platform::Services().fileDialog->Ask(request);
        if (!answer.chosen || answer.path.empty())
            return IDCANCEL;
        const QFileInfo chosen(WithDefaultExtension(FromLocal(answer.path), m_strDefExt));
        if (!(m_ofn.Flags & OFN_PATHMUSTEXIST) || chosen.absoluteDir().exists()) {
            m_strPathName = chosen.absoluteFilePath().toLocal8Bit().toStdString();
            m_ofn.nFilterIndex = answer.filterIndex;
            return IDOK;
        }
        platform::Services().fileDialog->ReportMissingFolder(request,
                                                             chosen.absolutePath().toLocal8Bit().toStdString());
        request.fileName = answer.path;
        request.filterIndex = answer.filterIndex;
    }
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

std::shared_ptr<platform::FileDialogService> platform::MakeQtFileDialog()
{
    return std::make_shared<QtFileDialog>();
}
