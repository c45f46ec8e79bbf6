#pragma once

#include "app/BrindlewickApp.h"
#include "framework/core/CPropertySheet.h"
#include "framework/headless/HeadlessBackend.h"
#include "pages/AddonsProperties.h"
#include "pages/OricProperties.h"
#include "pages/PathsProperties.h"
#include "pages/SystemProperties.h"
#include "pages/TelestratProperties.h"
#include "support/HeadlessRun.h"

// The sheet and pages as the start-up routine builds them, kept in reach so
// that a test can look at the page fields while and after the sheet runs.
struct SheetUnderTest {
    SheetUnderTest();
    ~SheetUnderTest();

    // Runs the sheet modally with `script` playing the user; returns DoModal's result.
    int Run(HeadlessBackend::Script script);

    HeadlessBackend backend;
    CPropertySheet sheet;
    PathsProperties paths;
    OricProperties oric;
    TelestratProperties telestrat;
    AddonsProperties addons;
    SystemProperties system;
};
