#include "bench/BenchSheet.h"

#include <QCoreApplication>
#include <QThread>

#include "tests/support/TestServices.h"
#include "platform/ui/Thread.h"
#include "platform/ui/WinApp.h"
#include "resources/ResourceIds.h"

BenchSheet::BenchSheet() : m_boxes(std::make_shared<std::vector<std::string>>())
{
    m_dir = m_tempDir.path().toStdString();
    test_services::SetProgramPath((m_dir + "/TarvelWiz").c_str());
    auto boxes = m_boxes;
    test_services::SetMessageBoxHandler([boxes](const test_services::MessageBoxCall& call) {
        boxes->push_back(call.text);
        return IDOK;
    });
    m_sheet = std::make_unique<CZeltoSheet>(IDS_CAPTION, nullptr, 0);
    m_sheet->m_strLogPath = m_dir + "/TarvelLog.txt";
    m_sheet->ResetLog();
    m_sheet->m_psh.dwFlags |= PSH_WIZARD;
    m_sheet->Create();
    Pump();
}

BenchSheet::~BenchSheet()
{
    // A worker still running reports to a page of this sheet: let it finish first.
    while (test_services::RunningWorkerThreads() != 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    Pump();
    m_sheet.reset();
    test_services::SetMessageBoxHandler(nullptr);
}

void BenchSheet::Pump()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}
