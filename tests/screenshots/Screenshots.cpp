// Renders every page of the wizard, in each operation's route, offscreen to PNG files, so that the
// pages can be looked at without a scale or a display. Pages that would start a check or an upload
// are shown with a result already in place, so nothing is sent anywhere. Run inside the network
// namespace of tests/rig/netns-run.sh, it also shows an upload under way to a slow simulated scale
// there.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>

#include "resources/ControlIds.h"
#include "tests/support/NetNamespace.h"
#include "tests/support/ScaleSimulator.h"
#include "tests/support/TestServices.h"
#include "tests/support/qt/WidgetAccess.h"
#include "platform/ui/WinApp.h"
#include "resources/ResourceIds.h"
#include "transfer/ZeltoCopyPage.h"
#include "wizard/ZeltoSheet.h"

namespace {

const char* const kPageNames[] = {"Intro",  "Page1", "Page2",     "Page2a",    "Page3", "Page4",
                                  "Page4aFont", "Page3Font", "Page4Font", "Page5", "Page6", "Page7"};
const std::vector<int> kRoutes[] = {{0, 1, 2, 4, 5, 9, 10, 11}, {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}, {0, 1, 3, 9, 10, 11}};

void Save(CZeltoSheet& sheet, const QString& file)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QWidget* window = test_services::SheetWindow(sheet);
    if (!window->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

// Runs the event loop until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return condition();
}

// The application copy page in test mode while a scale on a slow link (1 MB/s) takes a 6 MB image,
// shot once the bar has passed 40 %.
void SaveRunningUpload(const QString& outDir, const QString& programDir)
{
    if (!tarvel::test::InsideTestNamespace()) {
        std::printf("(the running upload is shown only inside tests/rig/netns-run.sh)\n");
        return;
    }
    tarvel::test::ScaleSimulator scale(tarvel::test::kTestModeAddress, {"--rate", "1024"});
    if (!scale.IsReady()) {
        std::fprintf(stderr, "no simulated scale: %s\n", scale.Error().c_str());
        return;
    }
    const std::string image = programDir.toStdString() + "/APLY.BIN";
    std::ofstream(image, std::ios::binary) << std::string(6 * 1024 * 1024, '\x5A');
    CZeltoSheet sheet(IDS_CAPTION);
    sheet.m_nUpdateMode = MODE_APLY_ONLY;
    sheet.m_strUploadFile = image;
    std::strcpy(g_szScaleAddress, tarvel::test::kTestModeAddress);
    sheet.Create();
    sheet.SetActivePage(&sheet.m_Page6);
    auto* bar = qobject_cast<QProgressBar*>(test_services::WidgetOf(sheet.m_Page6.GetDlgItem(IDC_COPY_PROGRESS)));
    if (bar != nullptr && PumpUntil([bar] { return bar->maximum() > 1 && bar->value() * 10 >= bar->maximum() * 4; },
                                    20000))
        Save(sheet, QStringLiteral("%1/upload-running.png").arg(outDir));
    else
        std::fprintf(stderr, "the upload did not get under way\n");
    PumpUntil([&sheet] { return sheet.m_Page6.m_bCopyDone != FALSE; }, 30000);
    sheet.DestroyWindow();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    test_services::Install();
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);
    QTemporaryDir programDir;
    test_services::SetProgramPath(qPrintable(programDir.path() + QStringLiteral("/TarvelWiz")));
    test_services::SetMessageBoxHandler([](const test_services::MessageBoxCall&) { return IDOK; });

    for (int mode = 0; mode < 3; ++mode) {
        CZeltoSheet sheet(IDS_CAPTION);
        sheet.m_nUpdateMode = mode;
        std::strcpy(g_szScaleAddress, mode == MODE_APLY_ONLY ? "10.87.20.5" : "192.168.10.1");
        // Results in place: the copy pages show their confirmation and start no upload.
        for (CZeltoCopyPage* page : {static_cast<CZeltoCopyPage*>(&sheet.m_Page4),
                                     static_cast<CZeltoCopyPage*>(&sheet.m_Page4Font),
                                     static_cast<CZeltoCopyPage*>(&sheet.m_Page6)}) {
            page->m_bCopyDone = TRUE;
            page->m_bCopyOK = TRUE;
        }
        sheet.Create();
        CPropertyPage* const pages[] = {&sheet.m_Intro, &sheet.m_Page1, &sheet.m_Page2, &sheet.m_Page2a,
                                        &sheet.m_Page3, &sheet.m_Page4, &sheet.m_Page4aFont, &sheet.m_Page3Font,
                                        &sheet.m_Page4Font, &sheet.m_Page5, &sheet.m_Page6, &sheet.m_Page7};
        int step = 0;
        for (int index : kRoutes[mode]) {
            sheet.m_nConnectState = CONNECT_OK;
            sheet.SetActivePage(pages[index]);
            Save(sheet, QStringLiteral("%1/mode%2-%3-%4.png").arg(outDir).arg(mode).arg(step++, 2, 10, QLatin1Char('0'))
                            .arg(QString::fromLatin1(kPageNames[index])));
        }
        // The other states of a copy page and of a connection page.
        sheet.m_Page6.m_bCopyOK = FALSE;
        sheet.SetActivePage(&sheet.m_Page6);
        Save(sheet, QStringLiteral("%1/mode%2-failed-Page6.png").arg(outDir).arg(mode));
        sheet.m_nConnectState = CONNECT_FAILED;
        sheet.SetActivePage(mode == MODE_APLY_ONLY ? static_cast<CPropertyPage*>(&sheet.m_Page2a) : &sheet.m_Page2);
        Save(sheet, QStringLiteral("%1/mode%2-failed-connection.png").arg(outDir).arg(mode));
        sheet.DestroyWindow();
    }
    SaveRunningUpload(outDir, programDir.path());
    return 0;
}
