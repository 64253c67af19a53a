# The Windows converters held to the Linux ones: a corpus of srec_cat and objcopy files and damaged
# copies through the Linux SRECORD.EXE (over srec_cat, run here) and the Windows one (under Wine),
# then the Windows batch files under "wine cmd /c" (converter_agreement.py). Needs srec_cat,
# objcopy, Wine and Python 3.
find_program(TARVEL_PYTHON3 python3 REQUIRED)
add_test(NAME windows_converters
         COMMAND ${TARVEL_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/converter_agreement.py
                 ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}/converters)
# A first run boots the test's own Wine prefix (some 10 s); the corpus takes 20-40 s on two cores.
set_tests_properties(windows_converters PROPERTIES LABELS windows TIMEOUT 300)
