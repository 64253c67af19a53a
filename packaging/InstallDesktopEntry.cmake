# Run at installation: writes the desktop entry with the launcher's full path as its command and
# installs it. A desktop session's PATH often lacks the prefix's bin folder (~/.local/bin until the
# next login, or any PREFIX= of the user's choice), and desktops hide an entry whose command they
# cannot find.
set(launcher "${CMAKE_INSTALL_PREFIX}/${TARVEL_BIN_DIR}/tarvelwiz")
cmake_path(SET launcher NORMALIZE "${launcher}")
# The command is quoted, with the characters that the desktop entry's quoting reserves escaped, and
# then every backslash doubled once more, as the entry's string values want.
string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" quoted "${launcher}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
set(TARVEL_DESKTOP_EXEC "\"${quoted}\"")
file(READ "${TARVEL_DESKTOP_TEMPLATE}" template)
string(CONFIGURE "${template}" entry @ONLY)
file(WRITE "${TARVEL_DESKTOP_ENTRY}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TARVEL_APPLICATIONS_DIR}" TYPE FILE
     FILES "${TARVEL_DESKTOP_ENTRY}")
