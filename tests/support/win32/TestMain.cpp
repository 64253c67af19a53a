// GoogleTest's main for the Windows test programs, with the test services wired.
#include <gtest/gtest.h>

#include "tests/support/TestServices.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    test_services::Install();
    return RUN_ALL_TESTS();
}
