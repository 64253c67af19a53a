#include "platform/services/RealServices.h"
#include "platform/win32/services/SystemShim.h"

std::string platform::RunningProgramPath() { return win32::services::ModulePath(); }
