#pragma once

#include <vector>

#include "framework/core/Constants.h"
#include "framework/core/DialogTemplate.h"

// How the sheet around the pages behaves, whatever draws it: which page it
// opens on, where the focus goes and how Tab walks. Every backend asks these.

// Focus targets on the sheet itself, beside the page's controls (the page
// identifiers never take these values).
inline constexpr int kSheetOkButton = IDOK;
inline constexpr int kSheetCancelButton = IDCANCEL;
inline constexpr int kSheetHelpButton = ID_HELP;
inline constexpr int kSheetTabStrip = 0x3020;

// The page the sheet opens on: the one asked for, kept inside the sheet.
int ClampStartPage(int requested, int pageCount);

// The page `step` tabs away from `active`, round the ends (Ctrl+Tab and kin).
int NeighbourPage(int active, int step, int pageCount);

// Where the focus goes when a page is shown: its first tab stop, or the tab
// strip on a page without one.
int FirstFocusOf(const DialogTemplate& page);

// The Tab key's round: the page's tab stops in template order, then OK,
// Cancel, Help where it is shown, and the tab strip.
std::vector<int> SheetFocusCycle(const DialogTemplate& page, bool helpShown);

// The stop `step` places from `current` in `cycle`, round the ends. From
// outside the cycle (a radio button, say) Tab starts it afresh at the first
// stop and Shift+Tab at the last.
int NextFocus(const std::vector<int>& cycle, int current, int step);

// A text field reached by the keyboard, or shown as a page's first stop,
// has its whole text selected.
bool SelectsTextOnFocus(const DialogTemplate& page, int id);
