// Whether the test runs inside the private network namespace that tests/rig/netns-run.sh makes.
// Network tests talk only to addresses inside it; outside it they skip themselves.
#pragma once

#include <gtest/gtest.h>

namespace tarvel::test {

constexpr const char* kRecoveryAddress = "192.168.10.1";  // the scale in recovery mode
constexpr const char* kTestModeAddress = "10.87.20.5";    // a scale in test mode, in the namespace

// True when the rig says so (TARVEL_NETNS=1) and the scale's recovery address really is on this
// machine's loopback, so that no test ever reaches a real network.
bool InsideTestNamespace();

}  // namespace tarvel::test

#define TARVEL_SKIP_UNLESS_IN_TEST_NAMESPACE()                                                            \
    do {                                                                                                  \
        if (!::tarvel::test::InsideTestNamespace())                                                       \
            GTEST_SKIP() << "needs the private network namespace of tests/rig/netns-run.sh";            \
    } while (false)
