// The few system calls the real services make, through plain types: the platform headers and
// <windows.h> cannot share a unit, so only SystemShim.cpp includes the SDK.
#pragma once

#include <string>

namespace win32::services {

// Winsock 2.2 started for the process; false when the system has no such Winsock.
bool StartWinsock();
// The system's ANSI code page (GetACP).
unsigned AnsiCodePage();
// The running program file's full path in the ANSI code page; empty when it cannot be had.
std::string ModulePath();

}  // namespace win32::services
