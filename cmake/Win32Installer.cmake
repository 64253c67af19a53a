# The per-user installer, TarvelWiz-1.0.0.1-x64.msi (make windows-package): the program folder of the
# portable archive, staged stripped from the build by the portable install component, packed by
# Debian's wixl (packaging/windows/TarvelWiz.wxs.in). Version data, publisher and icon come from the
# program's own version resource and icon 128, so Settings, Apps shows what Explorer's Properties do.
find_program(TARVEL_WIXL wixl)

set(TARVEL_MSI_VERSION ${TARVEL_PRODUCT_VERSION})
set(TARVEL_MSI_STAGE ${CMAKE_BINARY_DIR}/msi-stage)
set(TARVEL_MSI_FILES "")
foreach(name TarvelWiz.exe ConvertBoot.bat ConvertFont.bat ConvertAply.bat SRECORD.EXE CNVS.EXE README.md)
  string(MAKE_C_IDENTIFIER "${name}" id)
  string(APPEND TARVEL_MSI_FILES "        <File Id=\"${id}\" Name=\"${name}\" Source=\"msi-stage/${name}\"/>\n")
endforeach()
# wixl takes its sources' paths relative to the package source, which stands in the build folder.
set(TARVEL_MSI_ICON resources/TarvelWiz.ico)
set(TARVEL_MSI_SOURCE ${CMAKE_BINARY_DIR}/TarvelWiz.wxs)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/TarvelWiz.wxs.in ${TARVEL_MSI_SOURCE} @ONLY)

set(TARVEL_MSI ${CMAKE_BINARY_DIR}/TarvelWiz-${TARVEL_MSI_VERSION}-x64.msi)
if(TARVEL_WIXL)
  add_custom_target(msi
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TARVEL_MSI_STAGE}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --component portable --prefix ${TARVEL_MSI_STAGE} --strip
    COMMAND ${TARVEL_WIXL} -a x64 -o ${TARVEL_MSI} ${TARVEL_MSI_SOURCE}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${TARVEL_MSI_SOURCE}
    COMMENT "Packing the per-user installer ${TARVEL_MSI}"
    VERBATIM)
  add_dependencies(msi TarvelWiz cnvs srecord)
endif()
