// The program's version data.
#include "platform/sys/ResourceFormat.h"

const VersionResource g_versionInfo = {
    "1.0.0.1",
    "1.0.0.1",
    "TarvelWiz",
    "TarvelWiz.EXE",
    "TarvelWiz Application",
    "TarvelWiz scale firmware wizard",
    "Copyright (C) 2024 the TarvelWiz developers",
    "The TarvelWiz developers",
};
