#include "bench/start/FirstPaintSignal.h"

#include <QEvent>
#include <QTimer>
#include <unistd.h>

FirstPaintSignal::FirstPaintSignal(std::function<QWidget*()> target) : m_target(std::move(target)) {}

bool FirstPaintSignal::eventFilter(QObject* watched, QEvent* event)
{
    if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    QWidget* target = m_target();
    auto* widget = static_cast<QWidget*>(watched);
    if (target == nullptr || (widget != target && !target->isAncestorOf(widget)))
        return false;
    m_seen = true;
    // The window's paint and its flush finish within the event being handled; the zero timer runs after.
    QTimer::singleShot(0, [] {
        const char byte = 'p';
        const bool told = ::write(3, &byte, 1) == 1;
        ::_exit(told ? 0 : 3);
    });
    return false;
}
