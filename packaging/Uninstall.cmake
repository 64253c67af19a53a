# make uninstall: removes what was installed into a prefix from this build folder, as its record says,
# and then the directories that the installation made, when they are empty. What the wizard wrote
# into its program directory since (the log TarvelLog.txt, the work files ZELTO.MOT and ZELTO.BIN)
# was never installed and stays, and with it the program directory.
#   cmake -DTARVEL_BINARY_DIR=BUILD -DPREFIX=PREFIX -P packaging/Uninstall.cmake
include(${CMAKE_CURRENT_LIST_DIR}/InstallRecord.cmake)
tarvel_install_record_dir("${TARVEL_BINARY_DIR}" "${PREFIX}" record)
if(NOT EXISTS "${record}/files.txt")
  message(FATAL_ERROR "Nothing is recorded as installed into ${PREFIX} from ${TARVEL_BINARY_DIR} "
                      "(installed with another PREFIX, or uninstalled already?)")
endif()

file(STRINGS "${record}/files.txt" files)
foreach(file IN LISTS files)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing: ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()

# Deepest first: a directory sorts after its parent.
set(dirs)
if(EXISTS "${record}/dirs.txt")
  file(STRINGS "${record}/dirs.txt" dirs)
endif()
list(SORT dirs ORDER DESCENDING)
foreach(dir IN LISTS dirs)
  if(IS_DIRECTORY "${dir}" AND NOT IS_SYMLINK "${dir}")
    file(GLOB entries LIST_DIRECTORIES true "${dir}/*" "${dir}/.*")
    if(NOT entries)
      message(STATUS "Removing: ${dir}/")
      file(REMOVE_RECURSE "${dir}")
    endif()
  endif()
endforeach()
file(REMOVE_RECURSE "${record}")
