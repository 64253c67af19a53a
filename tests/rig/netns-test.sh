#!/bin/sh
# CTest's launcher for the network tests (the test program's CROSSCOMPILING_EMULATOR): every test
# runs alone in a private network namespace of its own made by netns-run.sh, so that tests run side by
# side (ctest -j) each with its own loopback, its own scale addresses and its own port 21.
#
#   netns-test.sh TEST-PROGRAM [ARGUMENT]...
#
# Listing the tests (--gtest_list_tests, which gtest_discover_tests runs) touches no network and runs
# the program directly, so that the list is made even where no namespace can be made; each test then
# reports itself skipped (netns-run.sh exits 77).
for argument in "$@"; do
    if [ "$argument" = "--gtest_list_tests" ]; then
        exec "$@"
    fi
done
exec "$(dirname "$0")/netns-run.sh" -- "$@"
