// Builds a page's widgets from its dialog template: every control at its rectangle in dialog units,
// converted to pixels from the dialog font's average character size as Windows does it.
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <qdrawutil.h>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>
#include <string>

#include "platform/sys/ResourceLookup.h"
#include "platform/ui/IPAddressCtrl.h"
#include "platform/qt/WindowImpl.h"

namespace {

LOGFONT DialogLogFont(const DialogTemplate& dlg)
{
    LOGFONT lf{};
    lf.lfHeight = -((dlg.pointSize * 96 + 36) / 72);  // points at 96 dpi, rounded as MulDiv does: 8 give -11
    lf.lfWeight = 400;
    lf.lfCharSet = 1;  // DEFAULT_CHARSET
    std::strncpy(lf.lfFaceName, dlg.faceName != nullptr ? dlg.faceName : "MS Sans Serif", LF_FACESIZE - 1);
    return lf;
}

// The dialog font's base units, as Windows measures them: its average character width and its
// height. Measured once per font, as every page of the sheet is sized before the first is shown.
QSize BaseUnits(const DialogTemplate& dlg)
{
    static std::string measuredFace;
    static int measuredPoints = 0;
    static QSize units;
    const LOGFONT lf = DialogLogFont(dlg);
    if (units.isEmpty() || lf.lfFaceName != measuredFace || dlg.pointSize != measuredPoints) {
        const QFontMetrics metrics(QFontFromLogFont(lf));
        const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        units = QSize((width / 26 + 1) / 2, metrics.height());
        measuredFace = lf.lfFaceName;
        measuredPoints = dlg.pointSize;
    }
    return units;
}

// Dialog units to pixels: a quarter of the base width, an eighth of the base height.
QRect ToPixels(QSize base, int x, int y, int cx, int cy)
{
    return QRect(x * base.width() / 4, y * base.height() / 8, cx * base.width() / 4, cy * base.height() / 8);
}

// A group box as a dialog draws one: an etched frame with the caption, in the dialog font, set into
// its top edge. The style's own frame is a picture that Qt found only by loading every image-format
// plugin, which cost the first showing of the intro page about a millisecond.
class EtchedGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1);
        if (title().isEmpty())
            return;
        const QRect caption(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

QWidget* CreateControlWidget(const DialogControl& control, CWnd* pDialog, QWidget* page)
{
    const QString text = QString::fromLocal8Bit(control.text != nullptr ? control.text : "");
    // A click, by mouse, by the space bar or by an arrow key moving a radio button's check, reports BN_CLICKED.
    const auto clicked = [pDialog, id = static_cast<WORD>(control.id)] {
        pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, static_cast<WORD>(BN_CLICKED)), 0);
    };
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(text, page);
        label->setTextFormat(Qt::PlainText);
        // A framed field holds one line (a file name), centred in its height so that the frame never
        // clips the letters' descenders.
        const bool framed = control.style & (CS_SUNKEN | CS_BORDER);
        label->setWordWrap(!framed);
        label->setAlignment(Qt::AlignLeft | (framed ? Qt::AlignVCenter : Qt::AlignTop));
        if (framed)
            label->setFrameStyle(QFrame::Panel | ((control.style & CS_SUNKEN) ? QFrame::Sunken : QFrame::Plain));
        return label;
    }
    case ControlKind::Bitmap: {
        auto* label = new QLabel(page);
        for (std::size_t i = 0; i < g_bitmapCount; ++i) {
            if (g_bitmaps[i].id == control.imageId)
                label->setPixmap(QPixmap(g_bitmaps[i].xpm));
        }
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case ControlKind::GroupBox:
        return new EtchedGroupBox(text, page);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, page);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button, clicked);
        return button;
    }
    case ControlKind::AutoRadioButton: {
        auto* radio = new QRadioButton(text, page);
        QObject::connect(radio, &QRadioButton::clicked, radio, clicked);
        return radio;
    }
    case ControlKind::IpAddress:
        return CreateIpAddressWidget(page);
    case ControlKind::ProgressBar: {
        // Empty over the range 0 to 100 until told otherwise; no percentage beside it.
        auto* bar = new QProgressBar(page);
        bar->setTextVisible(false);
        bar->setValue(0);
        return bar;
    }
    }
    return new QWidget(page);
}

// Tab enters a group of radio buttons at its checked button, as the dialog manager does: only that
// button is a Tab stop (every button while none is checked); the arrow keys move within the group.
void KeepTabStopOnCheckedButton(QButtonGroup* group)
{
    for (QAbstractButton* button : group->buttons()) {
        const bool tabStop = group->checkedButton() == nullptr || button == group->checkedButton();
        const int policy = button->focusPolicy();
        button->setFocusPolicy(static_cast<Qt::FocusPolicy>(tabStop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

}  // namespace

QSize TemplatePixelSize(UINT nIDTemplate)
{
    const DialogTemplate* dlg = FindDialogTemplate(nIDTemplate);
    return dlg == nullptr ? QSize() : ToPixels(BaseUnits(*dlg), 0, 0, dlg->cx, dlg->cy).size();
}

void CreateDialogFromTemplate(CWnd* pDialog, UINT nIDTemplate, QWidget* parent)
{
    auto* page = new QWidget(parent);
    pDialog->GetImpl()->widget = page;
    const DialogTemplate* dlg = FindDialogTemplate(nIDTemplate);
    if (dlg == nullptr)
        return;
    CWnd::Impl& dialog = *pDialog->GetImpl();
    const LOGFONT lf = DialogLogFont(*dlg);
    dialog.font = dialog.ownedFont = CreateFontIndirect(&lf);
    const QFont font = QFontFromLogFont(lf);
    const QSize base = BaseUnits(*dlg);
    page->setFont(font);
    page->setFixedSize(ToPixels(base, 0, 0, dlg->cx, dlg->cy).size());

    // The radio buttons from a control with the group style up to the next control with it form one
    // exclusive group: one check at a time, and the arrow keys move the check among them.
    QButtonGroup* radioGroup = nullptr;
    for (std::size_t i = 0; i < dlg->controlCount; ++i) {
        const DialogControl& control = dlg->controls[i];
        QWidget* widget = CreateControlWidget(control, pDialog, page);
        widget->setFont(font);
        QRect rect = ToPixels(base, control.x, control.y, control.cx, control.cy);
        if (control.kind == ControlKind::Bitmap)
            rect.setSize(widget->sizeHint());  // a picture keeps its natural size
        widget->setGeometry(rect);
        widget->setVisible(!(control.style & CS_HIDDEN));
        if (control.style & CS_GROUP)
            radioGroup = nullptr;
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (radioGroup == nullptr) {
                radioGroup = new QButtonGroup(page);
                QObject::connect(radioGroup, &QButtonGroup::buttonToggled, radioGroup,
                                 [group = radioGroup] { KeepTabStopOnCheckedButton(group); });
            }
            radioGroup->addButton(radio);
            KeepTabStopOnCheckedButton(radioGroup);
        }
        if (control.id == IDC_STATIC)
            continue;  // nothing looks it up; it goes with the page
        std::unique_ptr<CWnd> wnd = control.kind == ControlKind::IpAddress ? std::make_unique<CIPAddressCtrl>()
                                                                            : std::make_unique<CWnd>();
        wnd->GetImpl()->widget = widget;
        wnd->GetImpl()->font = dialog.font;
        dialog.controls[control.id] = std::move(wnd);
    }
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (std::size_t i = 0; i < g_iconCount; ++i)
        icon.addPixmap(QPixmap(g_icons[i].xpm));
    return icon;
}
