#pragma once

#include <windows.h>

// The sheet works out its pages' size from their dialog units in its own
// face; a page drawn in a bitmap face at a scale the face has no size for
// can need more. Grows `page` to `widthDlu` x `heightDlu` in its own face,
// and the sheet, its tab control and its buttons with it, so that no page is
// cut off. Changes nothing where the page already fits.
void MakeRoomForPage(HWND sheet, HWND page, int widthDlu, int heightDlu);
