#pragma once

#include <windows.h>

#include "framework/core/DialogTemplate.h"

// Makes every text field of a page paste only what precedes the first line
// break, CR or LF alike. The edit control cuts at LF by itself but keeps a
// lone CR, which would then reach the file as a line break of its own.
void KeepPastesOnOneLine(HWND page, const DialogTemplate& dialog);
