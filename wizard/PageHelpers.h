// The two steps every page takes on activation, and the lookup of a text by operation mode.
#pragma once

#include "platform/ui/Wnd.h"

class CZeltoSheet;

// Draws the page's step title in the sheet's enlarged title font, when the sheet has made one.
void ApplyTitleFont(const CZeltoSheet* pSheet, CWnd* pTitle);

// Mode 0 takes the first string, mode 2 the third, and every other value the second (mode 1).
UINT StringByMode(int nMode, UINT nMode0, UINT nMode1, UINT nMode2);
