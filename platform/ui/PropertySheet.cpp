#include "platform/ui/PropertySheet.h"

#include "platform/sys/StringRes.h"
#include "platform/ui/SheetDialog.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WindowImpl.h"

namespace {
SheetDialog* DialogOf(CWnd* pSheet)
{
    return static_cast<SheetDialog*>(pSheet->GetImpl()->widget.data());
}
}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd*, UINT iSelectPage)
    : m_nIDCaption(nIDCaption), m_nStartPage(iSelectPage)
{
}

CPropertySheet::~CPropertySheet()
{
    // Pages that are members of a derived sheet are gone by now: only the sheet's own window is
    // left to destroy (a derived sheet destroys the pages' windows in its own destructor).
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    DestroyWindowObjects(this);
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<std::size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<std::size_t>(i)] == pPage)
            return i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(m_nActive);
}

int CPropertySheet::GetActiveIndex() const
{
    return m_nActive;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    CPropertyPage* page = GetPage(nPage);
    SheetDialog* dialog = DialogOf(this);
    if (page == nullptr || dialog == nullptr)
        return FALSE;
    // A page's window is made the first time the page is shown and lives until the sheet closes.
    if (page->m_hWnd == nullptr) {
        CreateDialogFromTemplate(page, page->m_nIDTemplate, dialog->m_pages);
        dialog->m_pages->addWidget(page->GetImpl()->widget);
    }
    CPropertyPage* previous = GetActivePage();
    if (previous != nullptr && previous != page && !previous->OnKillActive())
        return FALSE;
    m_nActive = nPage;
    dialog->m_pages->setCurrentWidget(page->GetImpl()->widget);
    page->OnSetActive();
    return TRUE;
}

BOOL CPropertySheet::Create()
{
    if (m_hWnd != nullptr)
        return TRUE;
    auto* dialog = new SheetDialog([this] { RequestCancel(); });
    Impl& impl = *GetImpl();
    impl.kind = WindowKind::Sheet;
    impl.widget = dialog;
    impl.ownsWidget = true;
    impl.target = new MessageTarget(this, dialog);
    m_hWnd = reinterpret_cast<HWND>(this);
    m_bEnded = false;
    m_nResult = 0;

    dialog->setWindowTitle(QString::fromLocal8Bit(LoadString(m_nIDCaption).c_str()));
    dialog->setWindowIcon(ProgramIcon());
    // The sheet takes the size of its largest page.
    QSize largest;
    for (CPropertyPage* page : m_pages)
        largest = largest.expandedTo(TemplatePixelSize(page->m_nIDTemplate));
    dialog->m_pages->setFixedSize(largest);

    QObject::connect(dialog->m_back, &QPushButton::clicked, dialog, [this] { PressBack(); });
    QObject::connect(dialog->m_next, &QPushButton::clicked, dialog, [this] { PressNext(); });
    QObject::connect(dialog->m_finish, &QPushButton::clicked, dialog, [this] { PressFinish(); });
    QObject::connect(dialog->m_cancel, &QPushButton::clicked, dialog, [this] { RequestCancel(); });
    WindowProc(PSM_SETWIZBUTTONS, 0, m_wizButtons);

    SetActivePage(static_cast<int>(m_nStartPage));
    if (!m_bModal)
        dialog->show();
    return TRUE;
}

std::intptr_t CPropertySheet::DoModal()
{
    m_bModal = true;
    if (!Create())
        return -1;
    SheetDialog* dialog = DialogOf(this);
    if (!m_bEnded)
        dialog->exec();
    m_bModal = false;
    const int result = m_nResult;
    DestroyWindow();
    return result;
}

void CPropertySheet::DestroyWindow()
{
    for (CPropertyPage* page : m_pages)
        DestroyWindowObjects(page);
    m_nActive = -1;
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    DestroyWindowObjects(this);
}

void CPropertySheet::PressBack()
{
    CPropertyPage* page = GetActivePage();
    if (page == nullptr || !(m_wizButtons & PSWIZB_BACK))
        return;
    const LRESULT result = page->OnWizardBack();
    if (result == 0)
        SetActivePage(m_nActive - 1);
}

void CPropertySheet::PressNext()
{
    CPropertyPage* page = GetActivePage();
    if (page == nullptr || !(m_wizButtons & PSWIZB_NEXT) || (m_wizButtons & PSWIZB_FINISH))
        return;
    const LRESULT result = page->OnWizardNext();
    if (result == 0)
        SetActivePage(m_nActive + 1);
}

void CPropertySheet::PressFinish()
{
    CPropertyPage* page = GetActivePage();
    if (page == nullptr || !(m_wizButtons & PSWIZB_FINISH))
        return;
    if (page->OnWizardFinish())
        EndDialog(ID_WIZFINISH);
}

void CPropertySheet::RequestCancel()
{
    CPropertyPage* page = GetActivePage();
    if (m_bEnded || (page != nullptr && !page->OnQueryCancel()))
        return;
    EndDialog(IDCANCEL);
}

void CPropertySheet::EndDialog(int nResult)
{
    m_bEnded = true;
    m_nResult = nResult;
    SheetDialog* dialog = DialogOf(this);
    if (dialog == nullptr)
        return;
    // The window keeps the result, as a dialog does, also when it was shown without a modal loop.
    dialog->setResult(nResult);
    if (m_bModal)
        dialog->done(nResult);
    else
        dialog->hide();
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != PSM_SETWIZBUTTONS)
        return CWnd::WindowProc(message, wParam, lParam);
    m_wizButtons = lParam;
    if (SheetDialog* dialog = DialogOf(this)) {
        // Finish takes the place of Next, as in a Windows wizard.
        const bool finish = (lParam & PSWIZB_FINISH) != 0;
        dialog->m_back->setEnabled((lParam & PSWIZB_BACK) != 0);
        dialog->m_next->setVisible(!finish);
        dialog->m_next->setEnabled((lParam & PSWIZB_NEXT) != 0);
        dialog->m_finish->setVisible(finish);
        dialog->m_finish->setDefault(finish);
        dialog->m_next->setDefault(!finish);
    }
    return 0;
}
