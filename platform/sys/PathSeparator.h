// The directory separator of the system the program runs on: '\' on Windows, '/' on Linux. The
// system's own paths take it from here (common/PathSeparator.h).
#pragma once

namespace platform {

#ifdef _WIN32
constexpr char kDirectorySeparator = '\\';
constexpr const char* kDirectorySeparatorString = "\\";
#else
constexpr char kDirectorySeparator = '/';
constexpr const char* kDirectorySeparatorString = "/";
#endif

}  // namespace platform
