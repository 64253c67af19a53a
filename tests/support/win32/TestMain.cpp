// GoogleTest's main for the Windows test programs, with the test services wired.
#include <gtest/gtest.h>

#include "platform/net/SocketInit.h"
#include "tests/support/TestServices.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    test_services::Install();
    // Windows Sockets must be started before any socket is used, as the program does at its start.
    if (!AfxSocketInit())
        return 1;
    return RUN_ALL_TESTS();
}
