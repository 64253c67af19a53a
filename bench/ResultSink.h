// Where a benchmark puts what it found: table rows and notes, appended to two files in the results
// folder that bench/run.sh puts together into one table. Each line is echoed to stdout as well.
#pragma once

#include <string>

class ResultSink {
public:
    explicit ResultSink(const std::string& folder);

    // One table row: | figure | ours | peer | ratio | goal | met |
    void AddRow(const std::string& figure, const std::string& ours, const std::string& peer,
                const std::string& ratio, const std::string& goal, bool met);
    // A row for information, with no goal to meet.
    void AddInfoRow(const std::string& figure, const std::string& ours, const std::string& peer,
                    const std::string& ratio);
    void AddNote(const std::string& note);

private:
    static void Append(const std::string& path, const std::string& line);
    std::string m_folder;
};
