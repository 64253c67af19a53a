#include "platform/ui/SheetDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

SheetDialog::SheetDialog(std::function<void()> onCancelRequest) : m_onCancelRequest(std::move(onCancelRequest))
{
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    m_back = new QPushButton(QStringLiteral("< &Back"), this);
    m_next = new QPushButton(QStringLiteral("&Next >"), this);
    m_finish = new QPushButton(QStringLiteral("Finish"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* button : {m_back, m_next, m_finish, m_cancel})
        button->setAutoDefault(false);
    m_next->setDefault(true);
    m_finish->hide();
    buttons->addWidget(m_back);
    buttons->setSpacing(0);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finish);
    buttons->addSpacing(12);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
}

void SheetDialog::reject()
{
    m_onCancelRequest();
}

void SheetDialog::closeEvent(QCloseEvent* event)
{
    // The sheet closes itself through done() once the page allows it; a close request only asks.
    event->ignore();
    m_onCancelRequest();
}
