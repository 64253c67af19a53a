#include "tests/support/MessageBoxAnswer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// The real Qt box, closed once its modal loop runs.
void test_services::AnswerNextMessageBox(std::function<int()> answer)
{
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        // What the modal loop has delivered by now is what the operator sees behind the box.
        QCoreApplication::sendPostedEvents();
        QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        const int result = answer();
        if (box)
            box->done(result);
    });
}
