// Runs the event loop until a condition about a page holds, and says when it first held. The
// condition is looked at right after each posted window message has been handled (the platform
// delivers those as user events), so the moment is that of the handling, not of a polling tick.
#pragma once

#include <QEventLoop>
#include <QObject>
#include <functional>
#include <optional>

#include "bench/Clock.h"

class PostedMessageWait : public QObject {
public:
    PostedMessageWait();
    ~PostedMessageWait() override;

    // The moment the condition held, or nothing when timeoutMs passed first.
    std::optional<BenchClock::time_point> Until(std::function<bool()> condition, int timeoutMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Look();

    std::function<bool()> m_condition;
    QEventLoop* m_loop = nullptr;
    std::optional<BenchClock::time_point> m_heldAt;
};
