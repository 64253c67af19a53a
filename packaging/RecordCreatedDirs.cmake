# Run at the start of an installation: adds to the record every directory of the layout, and every
# parent of one, that does not exist yet, so that uninstalling can remove them again (when they are
# empty) and leave the prefix as it was. What an earlier installation into the same prefix made, and
# that was not uninstalled since, stays in the record. A staged installation (DESTDIR) is a
# packager's, whose package tool removes it: nothing is recorded for it.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake)
tarvel_install_record_dir("${TARVEL_BINARY_DIR}" "${CMAKE_INSTALL_PREFIX}" record)
set(created)
if(EXISTS "${record}/dirs.txt")
  file(STRINGS "${record}/dirs.txt" created)
endif()
foreach(dir IN LISTS TARVEL_INSTALL_DIRS)
  cmake_path(SET path NORMALIZE "${CMAKE_INSTALL_PREFIX}/${dir}")
  while(NOT EXISTS "${path}")
    list(APPEND created "${path}")
    cmake_path(GET path PARENT_PATH path)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES created)
list(TRANSFORM created APPEND "\n")
list(JOIN created "" text)
file(WRITE "${record}/dirs.txt" "${text}")
file(WRITE "${record}/prefix.txt" "${CMAKE_INSTALL_PREFIX}\n")
