// Fitting a full path into the one-line file name field of a selection page.
#pragma once

#include "common/PathSeparator.h"

// Returns the path itself when it is empty or at most nLimit bytes long; otherwise writes a shortened
// text to pszBuffer and returns that: the path's beginning, "..." and the part from its last separator
// on when that part fits, else "..." and the path's end. Whole characters of the code page are kept
// (a trail byte equal to the separator is not one), so the text may pass nLimit by one byte when a
// two-byte character meets a bound: pszBuffer must hold nLimit + 2 bytes.
const char* ShortenPath(char* pszBuffer, const char* pszPath, unsigned nLimit, char chSeparator = kPathSeparator);
