#include "bench/PostedMessageWait.h"

#include <QCoreApplication>
#include <QTimer>

PostedMessageWait::PostedMessageWait()
{
    QCoreApplication::instance()->installEventFilter(this);
}

PostedMessageWait::~PostedMessageWait()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool PostedMessageWait::eventFilter(QObject*, QEvent* event)
{
    // The look is queued behind the message, so it runs once the message's handler has returned.
    if (m_loop != nullptr && event->type() >= QEvent::User && event->type() <= QEvent::MaxUser)
        QMetaObject::invokeMethod(this, [this] { Look(); }, Qt::QueuedConnection);
    return false;
}

void PostedMessageWait::Look()
{
    if (m_loop == nullptr || m_heldAt || !m_condition())
        return;
    m_heldAt = BenchClock::now();
    m_loop->quit();
}

std::optional<BenchClock::time_point> PostedMessageWait::Until(std::function<bool()> condition, int timeoutMs)
{
    m_condition = std::move(condition);
    m_heldAt.reset();
    if (m_condition())
        return BenchClock::now();
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_heldAt;
}
