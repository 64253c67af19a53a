// On Windows a file opened without sharing refuses every other opening until it is closed; the
// sharing is the handle's, not the process's, so a handle of the test's own stands for another
// program's.
#include "tests/support/FileHolder.h"

#include <windows.h>

struct FileHolder::Impl {
    HANDLE file = INVALID_HANDLE_VALUE;
};

FileHolder::FileHolder(const std::string& path) : m_impl(std::make_unique<Impl>())
{
    m_impl->file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
}

FileHolder::~FileHolder()
{
    Release();
}

bool FileHolder::Held() const
{
    return m_impl->file != INVALID_HANDLE_VALUE;
}

void FileHolder::Release()
{
    if (m_impl->file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_impl->file);
        m_impl->file = INVALID_HANDLE_VALUE;
    }
}
