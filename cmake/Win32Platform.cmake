# The Windows program's platform: platform/win32 over the Win32 API, linked statically into one .exe
# that needs only Windows' own DLLs.
#
# The platform headers and <windows.h> never meet in one unit. The headers keep their own types and
# numbers on both systems (taking them from the SDK would mean renaming every shared header's types
# to the SDK's, with its C linkage and its macros: 28 to 50 errors a header, tried), so each backend
# folder reaches Win32 through a narrow shim of its own: plain-typed functions in *Shim.h, defined in
# *Shim.cpp, the only files there that include the SDK (and the entry point, which includes nothing
# else). The numbers both sides share (WM_SETFONT, PSM_SETWIZBUTTONS, a LOGFONT's 60 bytes) are the
# SDK's own, so handles and messages pass through unchanged.

# The SDK's ANSI functions and no min/max macros; Windows 7 and later.
target_compile_definitions(tarvel_platform PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(tarvel_platform PUBLIC comctl32 comdlg32 gdi32 ws2_32)

# The resource script, made at build time: icon 128 drawn from the same XPM images the program
# shows, the version resource from resources/VersionInfo.cpp, and the manifest.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TARVEL_ICON ${CMAKE_BINARY_DIR}/resources/TarvelWiz.ico)
add_custom_command(OUTPUT ${TARVEL_ICON}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
                   COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/xpm-to-ico.py ${TARVEL_ICON}
                           ${CMAKE_SOURCE_DIR}/resources/icon128_32.xpm ${CMAKE_SOURCE_DIR}/resources/icon128_16.xpm
                   DEPENDS ${CMAKE_SOURCE_DIR}/tools/xpm-to-ico.py ${CMAKE_SOURCE_DIR}/resources/icon128_32.xpm
                           ${CMAKE_SOURCE_DIR}/resources/icon128_16.xpm
                   COMMENT "Drawing icon 128 for the resource script")

# The version strings in the order resources/VersionInfo.cpp gives them (VersionResource's fields).
file(READ ${CMAKE_SOURCE_DIR}/resources/VersionInfo.cpp TARVEL_VERSION_SOURCE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/VersionInfo.cpp)
string(FIND "${TARVEL_VERSION_SOURCE}" "g_versionInfo" TARVEL_VERSION_START)
string(SUBSTRING "${TARVEL_VERSION_SOURCE}" ${TARVEL_VERSION_START} -1 TARVEL_VERSION_SOURCE)
string(REGEX MATCHALL "\"[^\"]*\"" TARVEL_VERSION_STRINGS "${TARVEL_VERSION_SOURCE}")
list(TRANSFORM TARVEL_VERSION_STRINGS REPLACE "\"" "")
list(GET TARVEL_VERSION_STRINGS 0 TARVEL_FILE_VERSION)
list(GET TARVEL_VERSION_STRINGS 1 TARVEL_PRODUCT_VERSION)
list(GET TARVEL_VERSION_STRINGS 2 TARVEL_INTERNAL_NAME)
list(GET TARVEL_VERSION_STRINGS 3 TARVEL_ORIGINAL_FILENAME)
list(GET TARVEL_VERSION_STRINGS 4 TARVEL_PRODUCT_NAME)
list(GET TARVEL_VERSION_STRINGS 5 TARVEL_FILE_DESCRIPTION)
list(GET TARVEL_VERSION_STRINGS 6 TARVEL_LEGAL_COPYRIGHT)
list(GET TARVEL_VERSION_STRINGS 7 TARVEL_COMPANY_NAME)
string(REPLACE "." "," TARVEL_FILE_VERSION_COMMAS ${TARVEL_FILE_VERSION})
string(REPLACE "." "," TARVEL_PRODUCT_VERSION_COMMAS ${TARVEL_PRODUCT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/platform/win32/TarvelWiz.rc.in ${CMAKE_BINARY_DIR}/resources/TarvelWiz.rc @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/platform/win32/TarvelWiz.manifest.in ${CMAKE_BINARY_DIR}/resources/TarvelWiz.manifest @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/resources/TarvelWiz.rc PROPERTIES
                            OBJECT_DEPENDS "${TARVEL_ICON};${CMAKE_BINARY_DIR}/resources/TarvelWiz.manifest")

# A GUI program with the resource script, linked statically.
function(tarvel_win32_program target)
  enable_language(RC)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/resources/TarvelWiz.rc)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  target_link_options(${target} PRIVATE -static)
endfunction()
