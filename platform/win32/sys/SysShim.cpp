// The SDK side of SysShim.h.
#include <windows.h>

#include <string>

#include "platform/win32/sys/SysShim.h"

namespace win32::sys {
namespace {

constexpr long long kTicksPerSecond = 10000000;        // FILETIME counts 100 ns
constexpr long long kUnixEpochIn1601Seconds = 11644473600LL;

// The file's identity (volume and index) and whether it is a plain file; false when it cannot be opened.
bool Identify(const char* name, DWORD access, BY_HANDLE_FILE_INFORMATION* info)
{
    const HANDLE file = ::CreateFileA(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool known = ::GetFileInformationByHandle(file, info) != 0 && ::GetFileType(file) == FILE_TYPE_DISK &&
                       (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    ::CloseHandle(file);
    return known;
}

FILETIME ToFileTime(long long seconds)
{
    const auto ticks = static_cast<unsigned long long>(seconds) * kTicksPerSecond;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

bool CopyWholeFile(const char* from, const char* to, bool failIfExists)
{
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder cannot be opened, so it is never taken for a file.
    BY_HANDLE_FILE_INFORMATION source{};
    if (!Identify(from, GENERIC_READ, &source))
        return false;
    if (::GetFileAttributesA(to) != INVALID_FILE_ATTRIBUTES) {
        BY_HANDLE_FILE_INFORMATION target{};
        if (failIfExists || !Identify(to, GENERIC_WRITE, &target) ||
            (target.dwVolumeSerialNumber == source.dwVolumeSerialNumber &&
             target.nFileIndexHigh == source.nFileIndexHigh && target.nFileIndexLow == source.nFileIndexLow))
            return false;
    }
    if (::CopyFileA(from, to, failIfExists ? TRUE : FALSE))
        return true;
    // It had begun to write: what stands there now is no copy.
    ::DeleteFileA(to);
    return false;
}

bool ReadCurrentDirectory(char* buffer, int size)
{
    const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    return length != 0 && length < static_cast<DWORD>(size);
}

bool ChangeCurrentDirectory(const char* directory)
{
    return *directory != '\0' && ::SetCurrentDirectoryA(directory) != 0;
}

int RunThroughCommandProcessor(const char* commandLine)
{
    // The system's own cmd.exe, never one that happens to stand in the current directory. A batch
    // file named to CreateProcess alone is not looked for in the current directory; the command
    // processor does look there first. /s with the quotes around the whole line keeps any quotes
    // inside it as they are.
    char system[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return -1;
    const std::string processor = std::string(system) + "\\cmd.exe";
    std::string line = "cmd.exe /s /c \"" + std::string(commandLine) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // No console window flashes up over the wizard; the converters write nothing the operator reads.
    if (!::CreateProcessA(processor.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &process))
        return -1;
    ::CloseHandle(process.hThread);
    DWORD code = 0;
    const bool ended = ::WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                       ::GetExitCodeProcess(process.hProcess, &code) != 0;
    ::CloseHandle(process.hProcess);
    return ended ? static_cast<int>(code) : -1;
}

bool IsLeadByteOf(unsigned codePage, unsigned char b)
{
    return ::IsDBCSLeadByteEx(codePage, b) != 0;
}

bool LocalSecondsOf(long long utcSeconds, long long* localSeconds)
{
    // The time zone's rule for that moment (summer time or not), as GetLocalTime gives it for now.
    SYSTEMTIME utc{}, local{};
    const FILETIME moment = ToFileTime(utcSeconds + kUnixEpochIn1601Seconds);
    FILETIME localMoment{};
    if (utcSeconds < -kUnixEpochIn1601Seconds || !::FileTimeToSystemTime(&moment, &utc) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) || !::SystemTimeToFileTime(&local, &localMoment))
        return false;
    const unsigned long long ticks =
        (static_cast<unsigned long long>(localMoment.dwHighDateTime) << 32) | localMoment.dwLowDateTime;
    *localSeconds = static_cast<long long>(ticks / kTicksPerSecond);
    return true;
}

std::string FormatLocalSeconds(long long localSeconds)
{
    SYSTEMTIME parts{};
    const FILETIME moment = ToFileTime(localSeconds < 0 ? 0 : localSeconds);
    if (!::FileTimeToSystemTime(&moment, &parts))
        return std::string();
    char date[128];
    char time[128];
    if (::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &parts, nullptr, date, sizeof date) == 0 ||
        ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &parts, nullptr, time, sizeof time) == 0)
        return std::string();
    return std::string(date) + " " + time;
}

}  // namespace win32::sys
