#include "platform/ui/PropertySheet.h"

#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <algorithm>
#include <functional>

#include "platform/sys/StringRes.h"
#include "platform/ui/WinApp.h"
#include "platform/qt/WindowImpl.h"

namespace {

// The sheet's window: a place for each page above a line, and the wizard buttons. Escape and the
// window's close button only ask the sheet, which asks the active page.
struct SheetDialog : QDialog {
    explicit SheetDialog(std::function<void()> onCancel) : askToCancel(std::move(onCancel))
    {
        auto* buttons = new QHBoxLayout();
        buttons->setSpacing(0);
        buttons->addStretch(1);
        for (QPushButton* button : {back, next, finish, cancel}) {
            button->setAutoDefault(false);
            if (button == cancel)
                buttons->addSpacing(12);
            buttons->addWidget(button);
        }
        auto* line = new QFrame(this);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        auto* layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(pages);
        layout->addWidget(line);
        layout->addLayout(buttons);
        next->setDefault(true);
        finish->hide();
    }
    void reject() override { askToCancel(); }
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        askToCancel();
    }

    QStackedWidget* pages = new QStackedWidget(this);
    QPushButton* back = new QPushButton(QStringLiteral("< &Back"), this);
    QPushButton* next = new QPushButton(QStringLiteral("&Next >"), this);
    QPushButton* finish = new QPushButton(QStringLiteral("Finish"), this);
    QPushButton* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    std::function<void()> askToCancel;
};

void FocusFirstTabStop(QWidget* page)
{
    for (QWidget* w = page->nextInFocusChain(); w != nullptr && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(page)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

SheetDialog* DialogOf(const CWnd* pSheet)
{
    return static_cast<SheetDialog*>(pSheet->GetImpl()->widget.data());
}

}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd*, UINT) : m_nIDCaption(nIDCaption) {}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return Activate(static_cast<int>(std::find(m_pages.begin(), m_pages.end(), pPage) - m_pages.begin()));
}

// A page's window is made in its place the first time the page is shown, and lives as long as the
// sheet's window.
BOOL CPropertySheet::Activate(int nPage)
{
    SheetDialog* dialog = DialogOf(this);
    if (dialog == nullptr || nPage < 0 || nPage >= static_cast<int>(m_pages.size()))
        return FALSE;
    CPropertyPage* page = m_pages[static_cast<std::size_t>(nPage)];
    if (page->GetImpl()->widget == nullptr)
        CreateDialogFromTemplate(page, page->m_nIDTemplate, dialog->pages->widget(nPage));
    m_nActive = nPage;
    dialog->pages->setCurrentIndex(nPage);
    page->OnSetActive();
    // As the dialog manager does it: when no control of the sheet holds the focus (its first showing,
    // a control disabled while it had it, or the focused control went with the old page) the page's
    // first control that Tab stops at takes it, so that the arrow keys and typing work at once and a
    // screen reader reads that control.
    const QWidget* focus = dialog->focusWidget();
    if (focus == nullptr || focus == dialog || !focus->isVisibleTo(dialog))
        FocusFirstTabStop(page->GetImpl()->widget);
    return TRUE;
}

void CPropertySheet::CreateSheetWindow()
{
    auto* dialog = new SheetDialog([this] { OnCancel(); });
    GetImpl()->widget = dialog;
    dialog->setWindowTitle(QString::fromLocal8Bit(LoadString(m_nIDCaption).c_str()));
    QSize largest;  // the size of every page's place
    for (CPropertyPage* page : m_pages) {
        largest = largest.expandedTo(TemplatePixelSize(page->m_nIDTemplate));
        dialog->pages->addWidget(new QWidget());
    }
    dialog->pages->setFixedSize(largest);
    QObject::connect(dialog->back, &QPushButton::clicked, dialog, [this] { OnButton(PSWIZB_BACK); });
    QObject::connect(dialog->next, &QPushButton::clicked, dialog, [this] { OnButton(PSWIZB_NEXT); });
    QObject::connect(dialog->finish, &QPushButton::clicked, dialog, [this] { OnButton(PSWIZB_FINISH); });
    QObject::connect(dialog->cancel, &QPushButton::clicked, dialog, [this] { OnCancel(); });
    SendMessage(PSM_SETWIZBUTTONS, 0, m_wizButtons);
    Activate(0);
}

BOOL CPropertySheet::Create()
{
    CreateSheetWindow();
    DialogOf(this)->show();
    return TRUE;
}

std::intptr_t CPropertySheet::DoModal()
{
    CreateSheetWindow();
    const int result = DialogOf(this)->exec();
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

void CPropertySheet::OnButton(LPARAM button)
{
    if (m_nActive < 0 || !(m_wizButtons & button))
        return;
    CPropertyPage* page = m_pages[static_cast<std::size_t>(m_nActive)];
    if (button == PSWIZB_BACK && page->OnWizardBack() == 0)
        Activate(m_nActive - 1);
    else if (button == PSWIZB_NEXT && !(m_wizButtons & PSWIZB_FINISH) && page->OnWizardNext() == 0)
        Activate(m_nActive + 1);
    else if (button == PSWIZB_FINISH)
        EndDialog(ID_WIZFINISH);
}

void CPropertySheet::OnCancel()
{
    if (m_nActive < 0 || m_pages[static_cast<std::size_t>(m_nActive)]->OnQueryCancel())
        EndDialog(IDCANCEL);
}

// The window keeps the result, as a dialog does; hiding it ends a modal loop.
void CPropertySheet::EndDialog(int nResult)
{
    DialogOf(this)->setResult(nResult);
    DialogOf(this)->hide();
}

BOOL CPropertySheet::OnWndMsg(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != PSM_SETWIZBUTTONS)
        return FALSE;
    // Finish takes the place of Next, as in a Windows wizard.
    SheetDialog* dialog = DialogOf(this);
    const bool finish = (lParam & PSWIZB_FINISH) != 0;
    SetEnabledLeavingFocus(dialog->back, (lParam & PSWIZB_BACK) != 0);
    SetEnabledLeavingFocus(dialog->next, (lParam & PSWIZB_NEXT) != 0);
    dialog->next->setVisible(!finish);
    dialog->next->setDefault(!finish);
    dialog->finish->setVisible(finish);
    dialog->finish->setDefault(finish);
    m_wizButtons = lParam;
    *pResult = 0;
    return TRUE;
}
