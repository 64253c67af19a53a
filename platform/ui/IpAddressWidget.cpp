#include "platform/ui/IpAddressWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>

IpAddressWidget::IpAddressWidget(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    // Only 0 to 255, or blank: the control never holds a number it could not send.
    static const QRegularExpression kByte(QStringLiteral("^(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])?$"));
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(new QRegularExpressionValidator(kByte, field));
        m_fields[static_cast<std::size_t>(i)] = field;
        layout->addWidget(field, 1);
        if (i < 3)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
    }
    // A full field moves on to the next one, as the Windows control does.
    for (int i = 0; i < 3; ++i) {
        QLineEdit* next = m_fields[static_cast<std::size_t>(i + 1)];
        connect(m_fields[static_cast<std::size_t>(i)], &QLineEdit::textEdited, next, [next](const QString& text) {
            if (text.size() == 3)
                next->setFocus(Qt::TabFocusReason);
        });
    }
}
