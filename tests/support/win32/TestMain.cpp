// GoogleTest's main for the Windows test programs, with the test services wired.
#include <gtest/gtest.h>

#include "platform/net/SocketInit.h"
#include "tests/support/TestServices.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    test_services::Install();
    // Winsock is started once for the process, as the program's InitInstance does; POSIX sockets
    // need no start, so the tests that open sockets do not ask for it.
    AfxSocketInit(nullptr);
    return RUN_ALL_TESTS();
}
