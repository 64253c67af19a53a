// WholeFile.h on Windows. The publish step must replace an output file that is already there, which
// rename does not do on Windows: MoveFileEx does, in one step, so that the output is always either the
// old file or the complete new one.
#include "../WholeFile.h"

#include <algorithm>

#include <windows.h>

namespace {

std::string Reason(const std::string& what, const std::string& path)
{
    const DWORD code = GetLastError();
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                   sizeof text, nullptr);
    std::string reason = what + " " + path + ": " + text;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason + " (error " + std::to_string(code) + ")";
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<char>& contents, std::string& error)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Reason("cannot open", path);
        return false;
    }
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        error = "not a regular file: " + path;
        CloseHandle(file);
        return false;
    }
    contents.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    for (;;) {
        if (done == contents.size())
            contents.resize(done + 65536);  // the file may have grown since
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 30));
        DWORD n = 0;
        if (!ReadFile(file, contents.data() + done, want, &n, nullptr)) {
            error = Reason("cannot read", path);
            CloseHandle(file);
            return false;
        }
        if (n == 0)
            break;
        done += n;
    }
    contents.resize(done);
    CloseHandle(file);
    return true;
}

bool PublishFile(const std::string& path, const char* data, std::size_t size, std::string& error)
{
    // A name of its own beside path: the process number, and a counter should that name be taken.
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE) {
        error = Reason("cannot create a file beside", path);
        return false;
    }
    bool written = true;
    for (std::size_t done = 0; written && done < size;) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD n = 0;
        written = WriteFile(file, data + done, want, &n, nullptr) && n > 0;
        done += n;
    }
    written = written && FlushFileBuffers(file);
    if (!CloseHandle(file))
        written = false;
    if (!written ||
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = Reason("cannot write", path);
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}
