// The process's current directory.
#pragma once

// Copies the current directory's full path and a terminator into buffer and returns buffer; nullptr
// when it does not fit into maxlen bytes or cannot be read.
char* _getcwd(char* buffer, int maxlen);

// Makes dirname the current directory: 0 on success, -1 when it cannot (an empty name included).
int _chdir(const char* dirname);
