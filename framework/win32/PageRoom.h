#pragma once

#include <windows.h>

// The sheet works out its pages' size from their dialog units in its own
// face; a page drawn in a bitmap face at a scale the face has no size for
// can need more. Grows `page` to `widthDlu` x `heightDlu` in its own face,
// and the sheet, its tab control and its buttons with it, so that no page is
// cut off. Changes nothing where the page already fits.
void MakeRoomForPage(HWND sheet, HWND page, int widthDlu, int heightDlu);

// Where `child` stands in `parent`'s client coordinates.
RECT RectInParent(HWND parent, HWND child);
// The room the sheet's tab control gives its pages, in the sheet's client
// coordinates.
RECT PageArea(HWND sheet);
