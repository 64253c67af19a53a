// The three firmware images a scale takes, each with its own selection page, copy page, upload
// worker, remote name and converter.
#pragma once

enum class ImageKind { BOOT, FONT, APLY };
