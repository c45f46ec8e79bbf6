#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/core/DialogTemplate.h"

// A page's template in the layout the dialog manager reads (DLGTEMPLATE and
// its items), built in memory from the page's table. The words are DWORD
// aligned from the first one, as the dialog manager requires.
std::vector<std::uint32_t> BuildPageDialogTemplate(const DialogTemplate& dialog);

// The window style each kind of control is created with.
DWORD ControlStyle(const ControlTemplate& control);
