// The directory that holds the program file: the image files are offered there, and the conversion
// programs and their work files stand there.
#pragma once

#include "platform/sys/WinTypes.h"

// Without a trailing separator; empty when the program's path has no separator. Worked out afresh
// from the application's help-file path on every call.
CString ProgramDirectory();
