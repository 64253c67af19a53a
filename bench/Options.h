// The benchmark driver's command line: a figure's name, then key=value settings.
#pragma once

#include <map>
#include <string>

class Options {
public:
    Options(int argc, char** argv, int first);

    std::string Text(const std::string& key, const std::string& fallback = "") const;
    int Number(const std::string& key, int fallback) const;
    // A required setting; ends the program with a message when it is missing.
    std::string Required(const std::string& key) const;

private:
    std::map<std::string, std::string> m_values;
};
