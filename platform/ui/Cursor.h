// The system cursors the wizard shows: the arrow, and the hourglass while it works and does not
// respond. The cursor set here is the whole application's until it is set again.
#pragma once

#include "platform/sys/WinTypes.h"

struct HCURSOR__;
using HCURSOR = HCURSOR__*;

constexpr UINT IDC_ARROW = 32512;
constexpr UINT IDC_WAIT = 32514;

// A system cursor (hInstance nullptr); nullptr for a cursor the platform does not have.
HCURSOR LoadCursor(void* hInstance, UINT nIDCursor);
// Shows the cursor and returns the one shown before it.
HCURSOR SetCursor(HCURSOR hCursor);
