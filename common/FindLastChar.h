// The byte offset of the last single-byte occurrence of a character in a multibyte string.
#pragma once

// Walks the string one whole character at a time (a trail byte equal to ch never counts) and returns
// the offset of the last occurrence, or 0 when there is none - which cannot be told apart from an
// occurrence at offset 0.
int FindLastChar(const char* psz, char ch);
