#include "support/HeadlessRun.h"

#include "framework/core/CWinApp.h"
#include "tests/fixtures/Fixtures.h"

int RunProgram(HeadlessBackend& backend) { return AfxWinMain(backend, kTestExecutable); }

std::string DefaultFileText() { return std::string(DefaultFileFixture()); }
