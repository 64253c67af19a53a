// The yardstick for the wizard's start-up: a bare Qt dialog with one label, shown modally, ended at its
// first paint in the same way.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "bench/start/FirstPaintSignal.h"

int main(int, char* argv[])
{
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication application(argc, args);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Scale Tarvel"), &dialog));
    FirstPaintSignal signal([&dialog] { return &dialog; });
    application.installEventFilter(&signal);
    dialog.exec();
    return 4;
}
