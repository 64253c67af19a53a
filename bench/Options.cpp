#include "bench/Options.h"

#include <cstdio>
#include <cstdlib>

Options::Options(int argc, char** argv, int first)
{
    for (int i = first; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "tarvel_bench: expected key=value, got %s\n", argv[i]);
            std::exit(2);
        }
        m_values[argument.substr(0, equals)] = argument.substr(equals + 1);
    }
}

std::string Options::Text(const std::string& key, const std::string& fallback) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? fallback : found->second;
}

int Options::Number(const std::string& key, int fallback) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? fallback : std::atoi(found->second.c_str());
}

std::string Options::Required(const std::string& key) const
{
    const auto found = m_values.find(key);
    if (found == m_values.end()) {
        std::fprintf(stderr, "tarvel_bench: %s= is required\n", key.c_str());
        std::exit(2);
    }
    return found->second;
}
