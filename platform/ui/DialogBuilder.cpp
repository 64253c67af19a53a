// Builds a page's widgets from its dialog template: every control at its rectangle in dialog units,
// converted to pixels from the dialog font's average character size as Windows does it.
#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>

#include "platform/ui/IPAddressCtrl.h"
#include "platform/ui/IpAddressWidget.h"
#include "platform/ui/WindowImpl.h"

namespace {

constexpr int kScreenDpi = 96;

const char* BitmapPath(UINT id)
{
    for (std::size_t i = 0; i < g_bitmapCount; ++i) {
        if (g_bitmaps[i].id == id)
            return g_bitmaps[i].path;
    }
    return nullptr;
}

HFONT CreateDialogFont(const DialogTemplate& dlg)
{
    LOGFONT lf{};
    // Points to pixels at 96 dpi, rounded as MulDiv does: 8 points give -11.
    lf.lfHeight = -((dlg.pointSize * kScreenDpi + 36) / 72);
    lf.lfWeight = 400;
    lf.lfCharSet = 1;  // DEFAULT_CHARSET
    std::strncpy(lf.lfFaceName, dlg.faceName != nullptr ? dlg.faceName : "MS Sans Serif", LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

void SendCommand(CWnd* pDialog, int id, CWnd* pControl)
{
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(BN_CLICKED)),
                         reinterpret_cast<LPARAM>(pControl->GetSafeHwnd()));
}

QWidget* CreateControlWidget(const DialogControl& control, CWnd* pDialog, CWnd* pControl, QWidget* parent)
{
    const QString text = QString::fromLocal8Bit(control.text != nullptr ? control.text : "");
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (control.style & (CS_SUNKEN | CS_BORDER)) {
            // A framed field holds one line (a file name): centred in its height so that the frame
            // never clips the letters' descenders.
            label->setFrameStyle(QFrame::Panel | ((control.style & CS_SUNKEN) ? QFrame::Sunken : QFrame::Plain));
            label->setWordWrap(false);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        return label;
    }
    case ControlKind::Bitmap: {
        auto* label = new QLabel(parent);
        EnsureImagesRegistered();
        const char* path = BitmapPath(control.imageId);
        if (path != nullptr)
            label->setPixmap(QPixmap(QString::fromLatin1(path)));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button,
                         [pDialog, pControl, id = control.id] { SendCommand(pDialog, id, pControl); });
        return button;
    }
    case ControlKind::AutoRadioButton: {
        // Checking and unchecking are the button group's (see AddToRadioGroup); a click, by mouse,
        // by the space bar or by an arrow key moving the check, reports BN_CLICKED.
        auto* radio = new QRadioButton(text, parent);
        QObject::connect(radio, &QRadioButton::clicked, radio,
                         [pDialog, pControl, id = control.id] { SendCommand(pDialog, id, pControl); });
        return radio;
    }
    case ControlKind::IpAddress:
        return new IpAddressWidget(parent);
    case ControlKind::ProgressBar: {
        // Empty over the range 0 to 100 until told otherwise; no percentage beside it.
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        bar->setValue(0);
        return bar;
    }
    }
    return new QWidget(parent);
}

// Tab enters a group of radio buttons at its checked button, as the dialog manager does: only that
// button is a Tab stop (every button while none is checked); the arrow keys move within the group.
void KeepTabStopOnCheckedButton(QButtonGroup* group)
{
    QAbstractButton* checked = group->checkedButton();
    for (QAbstractButton* button : group->buttons()) {
        const int policy = button->focusPolicy();
        const bool tabStop = checked == nullptr || button == checked;
        button->setFocusPolicy(static_cast<Qt::FocusPolicy>(tabStop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

// The radio buttons from a control with the group style up to the next control with it form one
// exclusive group: one check at a time, and the arrow keys move the check among them.
QButtonGroup* AddToRadioGroup(QButtonGroup* group, QRadioButton* radio, QWidget* page)
{
    if (group == nullptr) {
        group = new QButtonGroup(page);
        group->setExclusive(true);
        QObject::connect(group, &QButtonGroup::buttonToggled, group,
                         [group] { KeepTabStopOnCheckedButton(group); });
    }
    group->addButton(radio);
    KeepTabStopOnCheckedButton(group);
    return group;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT nID)
{
    for (std::size_t i = 0; i < g_dialogTemplateCount; ++i) {
        if (g_dialogTemplates[i]->id == nID)
            return g_dialogTemplates[i];
    }
    return nullptr;
}

QRect DialogUnitsToPixels(const QFont& font, int x, int y, int cx, int cy)
{
    // Every control of every page asks with the same few fonts: measure each font once.
    static QHash<QString, QSize> baseUnits;
    const QString key = font.key();
    auto found = baseUnits.constFind(key);
    if (found == baseUnits.constEnd()) {
        const QFontMetrics metrics(font);
        const int width =
            metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        found = baseUnits.insert(key, QSize((width / 26 + 1) / 2, metrics.height()));
    }
    const int baseX = found->width();
    const int baseY = found->height();
    return QRect(x * baseX / 4, y * baseY / 8, cx * baseX / 4, cy * baseY / 8);
}

void CreateDialogFromTemplate(CWnd* pDialog, UINT nIDTemplate, QWidget* parent)
{
    CWnd::Impl& dialog = WindowAccess::ImplOf(pDialog);
    const DialogTemplate* dlg = FindDialogTemplate(nIDTemplate);
    auto* page = new QWidget(parent);
    dialog.kind = WindowKind::Dialog;
    dialog.widget = page;
    dialog.ownsWidget = true;
    dialog.target = new MessageTarget(pDialog, page);
    pDialog->m_hWnd = reinterpret_cast<HWND>(pDialog);
    if (dlg == nullptr)
        return;

    dialog.ownedFont = CreateDialogFont(*dlg);
    dialog.font = dialog.ownedFont;
    const QFont font = QFontFromHandle(dialog.font);
    page->setFont(font);
    page->setWindowTitle(QString::fromLocal8Bit(dlg->caption != nullptr ? dlg->caption : ""));
    page->setFixedSize(DialogUnitsToPixels(font, 0, 0, dlg->cx, dlg->cy).size());

    QButtonGroup* radioGroup = nullptr;
    for (std::size_t i = 0; i < dlg->controlCount; ++i) {
        const DialogControl& control = dlg->controls[i];
        if (control.style & CS_GROUP)
            radioGroup = nullptr;
        std::unique_ptr<CWnd> wnd = control.kind == ControlKind::IpAddress ? std::make_unique<CIPAddressCtrl>()
                                                                            : std::make_unique<CWnd>();
        QWidget* widget = CreateControlWidget(control, pDialog, wnd.get(), page);
        widget->setFont(font);
        QRect rect = DialogUnitsToPixels(font, control.x, control.y, control.cx, control.cy);
        if (control.kind == ControlKind::Bitmap)
            rect.setSize(widget->sizeHint());  // a picture keeps its natural size
        widget->setGeometry(rect);
        widget->setVisible(!(control.style & CS_HIDDEN));
        if (auto* radio = qobject_cast<QRadioButton*>(widget))
            radioGroup = AddToRadioGroup(radioGroup, radio, page);

        CWnd::Impl& impl = WindowAccess::ImplOf(wnd.get());
        impl.kind = WindowKind::Control;
        impl.controlKind = control.kind;
        impl.style = control.style;
        impl.widget = widget;
        impl.hidden = (control.style & CS_HIDDEN) != 0;
        impl.font = dialog.font;
        wnd->m_hWnd = reinterpret_cast<HWND>(wnd.get());
        if (control.id != IDC_STATIC)
            dialog.controls[control.id] = std::move(wnd);
        else
            dialog.controls[-static_cast<int>(i) - 1000] = std::move(wnd);  // kept alive, never looked up
    }
}

void DestroyWindowObjects(CWnd* pWnd)
{
    CWnd::Impl& impl = WindowAccess::ImplOf(pWnd);
    impl.controls.clear();
    impl.target = nullptr;
    if (impl.ownsWidget && impl.widget)
        delete impl.widget.data();
    impl.widget = nullptr;
    impl.ownsWidget = false;
    if (impl.ownedFont != nullptr)
        DeleteObject(impl.ownedFont);
    impl.ownedFont = nullptr;
    impl.font = nullptr;
    pWnd->m_hWnd = nullptr;
}

QSize TemplatePixelSize(UINT nIDTemplate)
{
    const DialogTemplate* dlg = FindDialogTemplate(nIDTemplate);
    if (dlg == nullptr)
        return QSize();
    HFONT font = CreateDialogFont(*dlg);
    const QSize size = DialogUnitsToPixels(QFontFromHandle(font), 0, 0, dlg->cx, dlg->cy).size();
    DeleteObject(font);
    return size;
}
