#include "tests/support/NetNamespace.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace tarvel::test {

namespace {
// Whether the kernel holds the address as a local one of this namespace. Under Wine the kernel's own
// table is read through the drive that maps the root folder: Winsock names no interface flags.
bool IsLocalAddress(const std::string& table, const char* address)
{
    const std::string entry = std::string("|-- ") + address + "\n";
    for (std::size_t at = table.find(entry); at != std::string::npos; at = table.find(entry, at + 1)) {
        const std::size_t line = table.find_first_not_of(' ', at + entry.size());
        if (line != std::string::npos && table.compare(line, 15, "/32 host LOCAL\n") == 0)
            return true;
    }
    return false;
}
}  // namespace

bool InsideTestNamespace()
{
    const char* flag = std::getenv("TARVEL_NETNS");
    if (flag == nullptr || std::strcmp(flag, "1") != 0)
        return false;
    std::ifstream in("Z:\\proc\\net\\fib_trie");
    const std::string table((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return IsLocalAddress(table, kRecoveryAddress) && IsLocalAddress(table, kTestModeAddress);
}

}  // namespace tarvel::test
