# The portable archive of the Windows program: TarvelWiz-1.0.0.1-Windows-x86_64.zip holds one folder
# with TarvelWiz.exe, the conversion programs and the README; unpack it anywhere the user can write.
tarvel_install_program_files(FILES ${CMAKE_SOURCE_DIR}/README.md)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TarvelWiz)
set(CPACK_PACKAGE_VENDOR TarvelWiz)
set(CPACK_PACKAGE_FILE_NAME TarvelWiz-${PROJECT_VERSION}-Windows-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL portable)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
