// Holds a file the way another program holding it open would, so that a test can see what the
// wizard does with a log it cannot write, and lets it go again.
#pragma once

#include <memory>
#include <string>

class FileHolder {
public:
    explicit FileHolder(const std::string& path);
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    bool Held() const;  // the hold was taken
    void Release();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
