// The SDK side of SystemShim.h.
#include <winsock2.h>
#include <windows.h>

#include "platform/win32/services/SystemShim.h"

namespace win32::services {

bool StartWinsock()
{
    WSADATA data{};
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return false;
    if (data.wVersion == MAKEWORD(2, 2))
        return true;
    ::WSACleanup();
    return false;
}

unsigned AnsiCodePage() { return ::GetACP(); }

std::string ModulePath()
{
    // The buffer grows until the whole path fits: a path cut at the buffer's end is no path.
    for (DWORD size = MAX_PATH;; size *= 2) {
        std::string path(size, '\0');
        const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), size);
        if (length == 0)
            return std::string();
        if (length < size) {
            path.resize(length);
            return path;
        }
        if (size >= 32768)
            return std::string();
    }
}

}  // namespace win32::services
