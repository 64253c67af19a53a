// Tells the start-up benchmark when a window has first been painted: once the first paint of the
// target widget (or of one inside it) has been flushed, a byte goes to descriptor 3, the launcher's
// pipe, and the process ends at once, so that its peak memory is what it took to get there.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

class FirstPaintSignal : public QObject {
public:
    // target is asked at each paint, since the window may not exist yet when this is made.
    explicit FirstPaintSignal(std::function<QWidget*()> target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QWidget*()> m_target;
    bool m_seen = false;
};
