# Where an installation puts things, relative to its prefix (make install: ~/.local).
#
# The program directory holds the program, the conversion programs and the README; at run time the
# wizard writes its log and the conversion work files there too, so it must stay writable by the user
# who runs the wizard, which an installation under the user's own prefix is. The portable archive
# (make package) is that directory alone: the same files at the archive's top.
set(TARVEL_PROGRAM_DIR lib/tarvelwiz)
set(TARVEL_BIN_DIR bin)
set(TARVEL_APPLICATIONS_DIR share/applications)
set(TARVEL_METAINFO_DIR share/metainfo)
set(TARVEL_ICONS_DIR share/icons/hicolor)
set(TARVEL_ICON_SIZES 16 32 48 256)
# The desktop entry, the icon and the AppStream component share this name.
set(TARVEL_APP_ID org.tarvelwiz.TarvelWiz)

set(TARVEL_INSTALL_DIRS ${TARVEL_PROGRAM_DIR} ${TARVEL_BIN_DIR} ${TARVEL_APPLICATIONS_DIR}
                        ${TARVEL_METAINFO_DIR})
foreach(size ${TARVEL_ICON_SIZES})
  list(APPEND TARVEL_INSTALL_DIRS ${TARVEL_ICONS_DIR}/${size}x${size}/apps)
endforeach()

# Uninstalling removes the directories that installing made, and no other: so before anything is
# installed, note which of the layout's directories (and their parents) are not there yet. This must
# stay the first install rule of the project.
install(CODE "set(TARVEL_INSTALL_DIRS \"${TARVEL_INSTALL_DIRS}\")
              set(TARVEL_BINARY_DIR \"${CMAKE_BINARY_DIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/RecordCreatedDirs.cmake)

# Installs files of the program directory: into the installation's program directory, and (only
# for make package) at the top of the portable archive.
#   tarvel_install_program_files(TARGETS|PROGRAMS|FILES item...)
function(tarvel_install_program_files kind)
  install(${kind} ${ARGN} DESTINATION ${TARVEL_PROGRAM_DIR} COMPONENT program)
  install(${kind} ${ARGN} DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
endfunction()
