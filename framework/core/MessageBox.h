#pragma once

#include <string>

#include "framework/core/Constants.h"

// A modal message box titled with the application's name, owned by the main
// window while it has one (then disabled until the box closes).
int AfxMessageBox(const std::string& text, unsigned style = MB_OK | MB_ICONEXCLAMATION);
