// The IP address control over four line edits, typed the way technicians type an address: a point
// or blank ends a field, the arrows and Backspace cross between fields at their ends, a number over
// 255 becomes 255 with one message, and a pasted dotted address fills all four fields.
#include "platform/ui/IPAddressCtrl.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <array>

#include "platform/ui/MessageBox.h"
#include "platform/qt/WindowImpl.h"

namespace {

constexpr int kFields = 4;
constexpr int kLargest = 255;
constexpr int kSelectAll = -1;  // a caret position for Enter: the whole field selected

class IpAddressWidget : public QFrame {
public:
    explicit IpAddressWidget(QWidget* parent) : QFrame(parent)
    {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(2, 0, 2, 0);
        layout->setSpacing(0);
        static const QRegularExpression kDigits(QStringLiteral("^[0-9]{0,3}$"));
        for (int i = 0; i < kFields; ++i) {
            QLineEdit* field = m_fields[i] = new QLineEdit(this);
            field->setFrame(false);
            field->setAlignment(Qt::AlignCenter);
            field->setMaxLength(3);
            field->setValidator(new QRegularExpressionValidator(kDigits, field));
            field->installEventFilter(this);
            connect(field, &QLineEdit::textEdited, this, [this, i] { OnEdited(i); });
            layout->addWidget(field, 1);
            if (i < kFields - 1)
                layout->addWidget(new QLabel(QStringLiteral("."), this));
        }
        NameForScreenReaders();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const int index = static_cast<int>(std::find(m_fields.begin(), m_fields.end(), watched) - m_fields.begin());
        if (index == kFields)
            return QFrame::eventFilter(watched, event);
        QLineEdit* field = m_fields[index];
        switch (event->type()) {
        case QEvent::KeyPress:
            return HandleKey(index, *static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // Given the focus by the program (the page's SetFocus), a field is ready to be typed
            // over, as after Tab; a click places the caret where it was clicked.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::OtherFocusReason)
                field->selectAll();
            return false;
        case QEvent::FocusOut:
            m_advancedTo = -1;
            return false;
        case QEvent::ContextMenu: {
            // The menu's Paste takes a whole address too. Its action is known by the line edit's
            // own (translated) text, which stands before the shortcut.
            QMenu* menu = field->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                    disconnect(action, &QAction::triggered, nullptr, nullptr);
                    connect(action, &QAction::triggered, this, [this, field] {
                        if (!PasteAddress())
                            field->paste();
                    });
                }
            }
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        default:
            return false;
        }
    }

private:
    bool HandleKey(int index, const QKeyEvent& key)
    {
        QLineEdit* field = m_fields[index];
        const bool justAdvanced = m_advancedTo == index;
        m_advancedTo = -1;
        if (key.matches(QKeySequence::Paste))
            return PasteAddress();  // anything else is pasted into this field, digits only
        // A plain key: no Shift (that extends the selection), Ctrl or Alt; the keypad's own keys count.
        if ((key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !field->hasSelectedText()) {
            const int caret = field->cursorPosition();
            if (key.key() == Qt::Key_Right && caret == field->text().size() && index < kFields - 1)
                return Enter(index + 1, 0);
            if ((key.key() == Qt::Key_Left || key.key() == Qt::Key_Backspace) && caret == 0 && index > 0)
                return Enter(index - 1, static_cast<int>(m_fields[index - 1]->text().size()));
        }
        if (key.text() != QLatin1String(".") && key.text() != QLatin1String(" "))
            return false;
        // Ends a field that holds a number. The point that follows a third digit has already been
        // given by the move to this field: it does not end this one too.
        if (!justAdvanced && !field->text().isEmpty() && index < kFields - 1)
            Enter(index + 1, kSelectAll);
        return true;
    }

    void OnEdited(int index)
    {
        QLineEdit* field = m_fields[index];
        const int number = field->text().toInt();
        if (number > kLargest) {
            field->setText(QString::number(kLargest));
            TellRange(number, index);
        } else if (field->text().size() == 3 && field->cursorPosition() == 3 && index < kFields - 1) {
            Enter(index + 1, kSelectAll);
            m_advancedTo = index + 1;
        }
    }

    bool Enter(int index, int caret)
    {
        m_fields[index]->setFocus(Qt::OtherFocusReason);
        if (caret == kSelectAll)
            m_fields[index]->selectAll();
        else
            m_fields[index]->setCursorPosition(caret);
        return true;
    }

    bool PasteAddress()
    {
        static const QRegularExpression kAddress(
            QStringLiteral("^\\s*([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\s*$"));
        const QRegularExpressionMatch match = kAddress.match(QGuiApplication::clipboard()->text());
        if (!match.hasMatch())
            return false;
        int tooLargeIndex = -1;
        for (int i = 0; i < kFields; ++i) {
            const int number = match.captured(i + 1).toInt();
            if (number > kLargest && tooLargeIndex < 0)
                tooLargeIndex = i;
            m_fields[i]->setText(QString::number(std::min(number, kLargest)));
        }
        if (tooLargeIndex >= 0)
            TellRange(match.captured(tooLargeIndex + 1).toInt(), tooLargeIndex);
        else
            Enter(kFields - 1, static_cast<int>(m_fields[kFields - 1]->text().size()));
        return true;
    }

    // One message, then back in the corrected field with its number selected for retyping.
    void TellRange(int typed, int index)
    {
        const QString text =
            QStringLiteral("%1 is not a valid entry. Please specify a value between 0 and %2.").arg(typed).arg(kLargest);
        AfxMessageBox(text.toLocal8Bit().constData(), MB_OK);
        Enter(index, kSelectAll);
    }

    // As on Windows, the control is named by the text that stands just before it on the dialog.
    void NameForScreenReaders()
    {
        QString name = QStringLiteral("IP address");
        const QObjectList& siblings = parentWidget()->children();
        const qsizetype self = siblings.indexOf(this);
        if (auto* label = self > 0 ? qobject_cast<QLabel*>(siblings.at(self - 1)) : nullptr; label && !label->text().isEmpty())
            name = label->text();
        setAccessibleName(name);
        setAccessibleDescription(QStringLiteral("Four numbers from 0 to %1").arg(kLargest));
        for (int i = 0; i < kFields; ++i) {
            m_fields[i]->setAccessibleName(QStringLiteral("%1, field %2 of %3").arg(name).arg(i + 1).arg(kFields));
            m_fields[i]->setAccessibleDescription(QStringLiteral("A number from 0 to %1").arg(kLargest));
        }
    }

    std::array<QLineEdit*, kFields> m_fields{};
    int m_advancedTo = -1;  // the field that a third digit has just moved to, until the next key
};

}  // namespace

QWidget* CreateIpAddressWidget(QWidget* parent)
{
    return new IpAddressWidget(parent);
}

QList<QLineEdit*> IpAddressFields(const QWidget* widget)
{
    return dynamic_cast<const IpAddressWidget*>(widget) != nullptr
               ? widget->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)
               : QList<QLineEdit*>();
}

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3)
{
    BYTE* out[kFields] = {&nField0, &nField1, &nField2, &nField3};
    const QList<QLineEdit*> fields = IpAddressFields(GetImpl()->widget);
    int filled = 0;
    for (int i = 0; i < kFields; ++i) {
        const QString text = i < fields.size() ? fields[i]->text().trimmed() : QString();
        *out[i] = static_cast<BYTE>(std::min(text.toInt(), kLargest));
        filled += text.isEmpty() ? 0 : 1;
    }
    return filled;
}
