# The installation: installed into a temporary prefix, checked, validated, started through its
# launcher, uninstalled, and the prefix compared with what it was (packaging/check-install.sh).
add_test(NAME install COMMAND sh ${CMAKE_SOURCE_DIR}/packaging/check-install.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(install PROPERTIES TIMEOUT 300)
