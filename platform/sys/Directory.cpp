#include "platform/sys/Directory.h"

#include <cstddef>
#include <unistd.h>

char* _getcwd(char* buffer, int maxlen)
{
    if (buffer == nullptr || maxlen <= 0)
        return nullptr;
    return ::getcwd(buffer, static_cast<std::size_t>(maxlen));
}

int _chdir(const char* dirname)
{
    if (dirname == nullptr)
        return -1;
    return ::chdir(dirname) == 0 ? 0 : -1;
}
