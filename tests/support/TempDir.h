// A folder of its own for one test, made empty and removed with everything in it at the end, so
// that each wizard gets a program directory nobody else writes into.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path in the platform's separators, without a separator at the end.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
