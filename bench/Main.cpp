// The benchmark driver: tarvel_bench <upload|check|convert|startup> key=value...
// bench/run.sh runs it inside the network-namespace rig with the simulated scale.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "bench/Benches.h"
#include "tests/support/TestServices.h"

namespace {
// The offscreen plugin says once per sheet that it cannot pass size hints on; that is no news here.
void QuietMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarvel_bench upload|check|convert|startup key=value...\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    test_services::Install();
    const Options options(argc, argv, 2);
    if (std::strcmp(argv[1], "upload") == 0)
        return RunUploadBench(options);
    if (std::strcmp(argv[1], "check") == 0)
        return RunCheckBench(options);
    if (std::strcmp(argv[1], "convert") == 0)
        return RunConvertBench(options);
    if (std::strcmp(argv[1], "startup") == 0)
        return RunStartupBench(options);
    std::fprintf(stderr, "tarvel_bench: unknown benchmark %s\n", argv[1]);
    return 2;
}
