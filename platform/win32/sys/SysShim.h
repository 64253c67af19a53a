// The Win32 calls behind platform/sys, through plain types: the platform headers and <windows.h>
// cannot share a unit (CopyFileA, GetACP and CharNextA are the SDK's extern "C" functions there and
// the platform's own here), so only SysShim.cpp includes the SDK.
#pragma once

#include <string>

namespace win32::sys {

// CopyFile with the platform's promise: nothing written unless the source is a readable file and
// the target, where one exists, a writable file other than the source; no half-made target left.
bool CopyWholeFile(const char* from, const char* to, bool failIfExists);

// The current directory into buffer with its terminator; false when it does not fit or cannot be read.
bool ReadCurrentDirectory(char* buffer, int size);
bool ChangeCurrentDirectory(const char* directory);

// Runs the command line through the command processor (cmd.exe /c) in the current directory and
// waits for it: its exit code, or -1 when it cannot be started.
int RunThroughCommandProcessor(const char* commandLine);

bool IsLeadByteOf(unsigned codePage, unsigned char b);

// The wall-clock reading of a moment given as UTC seconds since 1970, in the user's time zone as it
// was then: seconds since 1 January 1601, local time. False when the moment is out of range.
bool LocalSecondsOf(long long utcSeconds, long long* localSeconds);

// A local reading (seconds since 1601) as the user's locale writes it: short date, a blank, the time.
std::string FormatLocalSeconds(long long localSeconds);

}  // namespace win32::sys
