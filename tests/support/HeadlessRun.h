#pragma once

#include <string>

#include "framework/headless/HeadlessBackend.h"

// Page indexes in tab order.
enum PageIndex { kPathsPage, kOricPage, kTelestratPage, kAddonsPage, kSystemPage };

inline constexpr const char* kTestExecutable = "/opt/brindlewick/brindlewick";

// One whole run of the program on the headless backend, in the working
// directory, with `backend` scripted beforehand. Returns the exit status.
int RunProgram(HeadlessBackend& backend);

// The canonical file with every setting at its default (tests/fixtures/default.ini).
std::string DefaultFileText();
