#include "platform/ui/FileDialog.h"

#include <QFileDialog>
#include <QMessageBox>

#include "platform/services/RealServices.h"
#include "platform/qt/WindowImpl.h"

namespace {

QString FromLocal(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

std::string ToLocal(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

QString WithoutDot(const std::string& extension)
{
    const QString text = FromLocal(extension);
    return text.startsWith(QLatin1Char('.')) ? text.mid(1) : text;
}

// "desc|pattern|desc|pattern||" as Qt name filters. Qt reads the patterns from the parentheses at the
// end of a filter; with the details hidden the operator sees each description exactly as given.
QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = FromLocal(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed() + QLatin1Char(')');
    return filters;
}

QWidget* OwnerWidget(CWnd* pParentWnd)
{
    return pParentWnd != nullptr ? pParentWnd->GetImpl()->widget.data() : MainWindowWidget();
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
    const QString extension = WithoutDot(m_strDefExt);
    for (;;) {
        const platform::FileDialogAnswer answer = platform::Services().askFileName(request);
        if (!answer.chosen || answer.path.empty())
            return IDCANCEL;
        // A file name without any dot gets the default extension, as Qt's own dialog does it.
        QFileInfo chosen(FromLocal(answer.path));
        if (!extension.isEmpty() && !chosen.isDir() && !chosen.fileName().contains(QLatin1Char('.')))
            chosen.setFile(chosen.filePath() + QLatin1Char('.') + extension);
        if (!(m_ofn.Flags & OFN_PATHMUSTEXIST) || chosen.absoluteDir().exists()) {
            m_strPathName = ToLocal(chosen.absoluteFilePath());
            m_ofn.nFilterIndex = answer.filterIndex;
            return IDOK;
        }
        platform::Services().reportMissingFolder(request, ToLocal(chosen.absolutePath()));
        request.fileName = answer.path;
        request.filterIndex = answer.filterIndex;
    }
}

CString CFileDialog::GetFileExt() const
{
    const CString name = m_strPathName.substr(m_strPathName.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    return dot == CString::npos ? CString() : name.substr(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = m_strPathName.substr(m_strPathName.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

platform::FileDialogAnswer platform::AskSystemFileName(const FileDialogRequest& request)
{
    const QStringList filters = NameFilters(request.filter);
    QFileDialog dialog(OwnerWidget(request.parent));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= static_cast<DWORD>(filters.size()))
        dialog.selectNameFilter(filters[static_cast<qsizetype>(request.filterIndex) - 1]);
    dialog.setDefaultSuffix(WithoutDot(request.defExt));
    if (!request.fileName.empty())
        dialog.selectFile(FromLocal(request.fileName));
    platform::FileDialogAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.chosen = true;
    answer.path = ToLocal(dialog.selectedFiles().first());
    // With the details hidden Qt may report the filter as the operator sees it, without its patterns.
    const QString selected = dialog.selectedNameFilter().trimmed();
    for (qsizetype i = 0; i < filters.size() && answer.filterIndex == 0; ++i) {
        if (selected == filters[i] || selected == filters[i].left(filters[i].lastIndexOf(QLatin1Char('('))).trimmed())
            answer.filterIndex = static_cast<DWORD>(i + 1);
    }
    return answer;
}

void platform::ReportSystemMissingFolder(const FileDialogRequest& request, const std::string& folder)
{
    QMessageBox::warning(OwnerWidget(request.parent), QStringLiteral("Open"),
                         QStringLiteral("%1\nThe path does not exist.\nCheck the path and try again.")
                             .arg(QDir::toNativeSeparators(FromLocal(folder))));
}
