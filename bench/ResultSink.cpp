#include "bench/ResultSink.h"

#include <cstdio>
#include <fstream>

ResultSink::ResultSink(const std::string& folder) : m_folder(folder) {}

void ResultSink::Append(const std::string& path, const std::string& line)
{
    std::ofstream(path, std::ios::app) << line << "\n";
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void ResultSink::AddRow(const std::string& figure, const std::string& ours, const std::string& peer,
                        const std::string& ratio, const std::string& goal, bool met)
{
    Append(m_folder + "/rows.md",
           "| " + figure + " | " + ours + " | " + peer + " | " + ratio + " | " + goal + " | " + (met ? "yes" : "**no**") +
               " |");
}

void ResultSink::AddInfoRow(const std::string& figure, const std::string& ours, const std::string& peer,
                            const std::string& ratio)
{
    Append(m_folder + "/rows.md", "| " + figure + " | " + ours + " | " + peer + " | " + ratio + " | — | — |");
}

void ResultSink::AddNote(const std::string& note)
{
    Append(m_folder + "/notes.md", "- " + note);
}
