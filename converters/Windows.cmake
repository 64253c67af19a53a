# The conversion programs of the Windows build, beside TarvelWiz.exe: the three batch files (real
# batch files for cmd.exe, CR LF), SRECORD.EXE (our own converter, held to the Linux one over
# srec_cat) and CNVS.EXE (the image check, the same sources as on Linux but for its file access).
# Linked statically: they need no DLL but Windows' own.

set(CONVERTER_SCRIPTS)
foreach(kind Boot Font Aply)
  set(CONVERTER_NAME "Convert${kind}.bat")
  string(TOUPPER ${kind} IMAGE_KIND)
  configure_file(ConvertImage.bat.in ${CMAKE_BINARY_DIR}/${CONVERTER_NAME} @ONLY NEWLINE_STYLE CRLF)
  list(APPEND CONVERTER_SCRIPTS ${CMAKE_BINARY_DIR}/${CONVERTER_NAME})
endforeach()

function(tarvel_converter_program target name)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} SUFFIX .EXE
                                             RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_options(${target} PRIVATE -static)
  tarvel_warnings(${target})
endfunction()

file(GLOB CNVS_CHECK_SOURCES CONFIGURE_DEPENDS cnvs/*.cpp)
list(REMOVE_ITEM CNVS_CHECK_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/cnvs/Main.cpp
                                    ${CMAKE_CURRENT_SOURCE_DIR}/cnvs/WholeFile.cpp)
add_library(cnvs_check STATIC ${CNVS_CHECK_SOURCES} cnvs/win32/WholeFile.cpp)
tarvel_warnings(cnvs_check)

add_executable(cnvs cnvs/Main.cpp)
target_link_libraries(cnvs PRIVATE cnvs_check)
tarvel_converter_program(cnvs CNVS)

file(GLOB SRECORD_SOURCES CONFIGURE_DEPENDS srecord/*.cpp)
add_executable(srecord ${SRECORD_SOURCES})
tarvel_converter_program(srecord SRECORD)

tarvel_install_program_files(TARGETS cnvs srecord)
tarvel_install_program_files(PROGRAMS ${CONVERTER_SCRIPTS})
