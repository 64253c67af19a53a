#include "platform/ui/IpAddressWidget.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "platform/ui/MessageBox.h"

namespace {
constexpr int kFieldCount = 4;
constexpr int kLargestNumber = 255;

// A plain key: no Shift (that extends the selection), Ctrl or Alt; the keypad's own keys count.
bool IsPlain(const QKeyEvent& key)
{
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
}  // namespace

IpAddressWidget::IpAddressWidget(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    // Digits only, at most three; a number above 255 is brought back to 255 as it is typed.
    static const QRegularExpression kDigits(QStringLiteral("^[0-9]{0,3}$"));
    for (int i = 0; i < kFieldCount; ++i) {
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(new QRegularExpressionValidator(kDigits, field));
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i] { OnEdited(i); });
        m_fields[static_cast<std::size_t>(i)] = field;
        layout->addWidget(field, 1);
        if (i < kFieldCount - 1)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
    }
    NameForScreenReaders();
}

bool IpAddressWidget::eventFilter(QObject* watched, QEvent* event)
{
    const int index = IndexOf(watched);
    if (index < 0)
        return QFrame::eventFilter(watched, event);
    QLineEdit* field = Field(index);
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(index, *static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // Given the focus by the program (the page's SetFocus), a field is ready to be typed over,
        // as after Tab; a click places the caret where it was clicked.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::OtherFocusReason)
            field->selectAll();
        return false;
    case QEvent::FocusOut:
        m_advancedTo = -1;
        return false;
    case QEvent::ContextMenu: {
        // The menu's Paste takes a whole address too. Its action is known by the line edit's own
        // (translated) text, which stands before the shortcut.
        QMenu* menu = field->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const QString pasteText = QLineEdit::tr("&Paste");
        for (QAction* action : menu->actions()) {
            if (!action->text().startsWith(pasteText))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, field] {
                if (!PasteAddress())
                    field->paste();
            });
        }
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}

int IpAddressWidget::IndexOf(const QObject* object) const
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (Field(i) == object)
            return i;
    }
    return -1;
}

bool IpAddressWidget::HandleKey(int index, const QKeyEvent& key)
{
    QLineEdit* field = Field(index);
    const bool justAdvanced = m_advancedTo == index;
    m_advancedTo = -1;
    if (key.matches(QKeySequence::Paste))
        return PasteAddress();  // anything else is pasted into this field, digits only
    const bool caretOnly = !field->hasSelectedText();
    const int caret = field->cursorPosition();
    if (IsPlain(key) && caretOnly) {
        if (key.key() == Qt::Key_Right && caret == field->text().size() && index < kFieldCount - 1) {
            Enter(index + 1, Caret::Start);
            return true;
        }
        if ((key.key() == Qt::Key_Left || key.key() == Qt::Key_Backspace) && caret == 0 && index > 0) {
            Enter(index - 1, Caret::End);
            return true;
        }
    }
    const QString text = key.text();
    if (text == QLatin1String(".") || text == QLatin1String(" ")) {
        // Ends a field that holds a number. The point that follows a third digit has already been
        // given by the move to this field: it does not end this one too.
        if (!justAdvanced && !field->text().isEmpty() && index < kFieldCount - 1)
            Enter(index + 1, Caret::SelectAll);
        return true;
    }
    return false;
}

void IpAddressWidget::OnEdited(int index)
{
    QLineEdit* field = Field(index);
    const QString text = field->text();
    if (text.isEmpty())
        return;
    const int number = text.toInt();
    if (number > kLargestNumber) {
        field->setText(QString::number(kLargestNumber));
        TellRange(number, index);
        return;
    }
    if (text.size() == field->maxLength() && field->cursorPosition() == text.size() && index < kFieldCount - 1) {
        Enter(index + 1, Caret::SelectAll);
        m_advancedTo = index + 1;
    }
}

void IpAddressWidget::Enter(int index, Caret caret)
{
    QLineEdit* field = Field(index);
    field->setFocus(Qt::OtherFocusReason);
    switch (caret) {
    case Caret::SelectAll:
        field->selectAll();
        break;
    case Caret::Start:
        field->setCursorPosition(0);
        break;
    case Caret::End:
        field->setCursorPosition(static_cast<int>(field->text().size()));
        break;
    }
}

bool IpAddressWidget::PasteAddress()
{
    static const QRegularExpression kAddress(
        QStringLiteral("^\\s*([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\s*$"));
    const QRegularExpressionMatch match = kAddress.match(QGuiApplication::clipboard()->text());
    if (!match.hasMatch())
        return false;
    int tooLarge = -1;
    int tooLargeIndex = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const int number = match.captured(i + 1).toInt();
        if (number > kLargestNumber && tooLarge < 0) {
            tooLarge = number;
            tooLargeIndex = i;
        }
        Field(i)->setText(QString::number(std::min(number, kLargestNumber)));
    }
    if (tooLarge >= 0)
        TellRange(tooLarge, tooLargeIndex);
    else
        Enter(kFieldCount - 1, Caret::End);
    return true;
}

void IpAddressWidget::TellRange(int typed, int index)
{
    const QString text = QStringLiteral("%1 is not a valid entry. Please specify a value between 0 and %2.")
                             .arg(typed)
                             .arg(kLargestNumber);
    AfxMessageBox(text.toLocal8Bit().constData(), MB_OK);
    // Back in the field that was corrected, its number selected for retyping.
    Enter(index, Caret::SelectAll);
}

void IpAddressWidget::NameForScreenReaders()
{
    // As on Windows, the control is named by the text that stands just before it on the dialog.
    QString name = QStringLiteral("IP address");
    if (QWidget* dialog = parentWidget()) {
        const QObjectList& siblings = dialog->children();
        const qsizetype self = siblings.indexOf(this);
        if (self > 0) {
            if (auto* label = qobject_cast<QLabel*>(siblings.at(self - 1));
                label != nullptr && !label->text().isEmpty())
                name = label->text();
        }
    }
    setAccessibleName(name);
    setAccessibleDescription(QStringLiteral("Four numbers from 0 to %1").arg(kLargestNumber));
    for (int i = 0; i < kFieldCount; ++i) {
        Field(i)->setAccessibleName(QStringLiteral("%1, field %2 of %3").arg(name).arg(i + 1).arg(kFieldCount));
        Field(i)->setAccessibleDescription(QStringLiteral("A number from 0 to %1").arg(kLargestNumber));
    }
}
