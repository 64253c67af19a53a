// The program's version resource, told to the platform.
#pragma once

#include "platform/sys/ResourceFormat.h"

// Takes the product name and product version as the application's name and version.
void ApplyVersionResource(const VersionResource& version);
