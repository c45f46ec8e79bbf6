#pragma once

#include <windows.h>

#include "framework/core/DialogTemplate.h"

// Keeps a page's radio buttons out of the Tab order, as its table has them.
// The button control gives a radio button the tab-stop style whenever it is
// checked, which would let Tab stop at the selected button of each group.
void KeepRadiosOffTabOrder(HWND page, const DialogTemplate& dialog);
