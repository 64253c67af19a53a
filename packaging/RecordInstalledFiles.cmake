# Run at the end of an installation: records every file that it installed (CMake's own manifest of
# the installation, which it writes only after this, into the same file for every prefix).
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake)
tarvel_install_record_dir("${TARVEL_BINARY_DIR}" "${CMAKE_INSTALL_PREFIX}" record)
set(files ${CMAKE_INSTALL_MANIFEST_FILES})
list(REMOVE_DUPLICATES files)
list(TRANSFORM files APPEND "\n")
list(JOIN files "" text)
file(WRITE "${record}/files.txt" "${text}")
