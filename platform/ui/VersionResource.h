// The program's version resource, told to the platform: Windows reads a program's name and version
// from the resource in its file; here the toolkit keeps them for whoever asks the running program
// (assistive technology, the desktop).
#pragma once

#include "platform/sys/ResourceFormat.h"

// Takes the product name and product version as the application's name and version.
void ApplyVersionResource(const VersionResource& version);
