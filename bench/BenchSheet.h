// The real wizard sheet with real widgets, in a temporary program directory of its own, shown without
// a modal loop so that a benchmark can drive it page by page. Message boxes are answered OK at once
// and counted: in a benchmark run any box means the run failed.
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "wizard/ZeltoSheet.h"

class BenchSheet {
public:
    BenchSheet();
    ~BenchSheet();
    BenchSheet(const BenchSheet&) = delete;
    BenchSheet& operator=(const BenchSheet&) = delete;

    CZeltoSheet& Sheet() { return *m_sheet; }
    const std::string& ProgramDir() const { return m_dir; }
    // The texts of the message boxes shown so far.
    const std::vector<std::string>& Boxes() const { return *m_boxes; }
    // Delivers what has been posted so far.
    static void Pump();

private:
    QTemporaryDir m_tempDir;
    std::string m_dir;
    std::shared_ptr<std::vector<std::string>> m_boxes;
    std::unique_ptr<CZeltoSheet> m_sheet;
};
