#include "support/SheetUnderTest.h"

#include "config/EmulatorSettings.h"
#include "support/HeadlessRun.h"

SheetUnderTest::SheetUnderTest() : sheet("Brindlewick", nullptr, 0) {
    InstallBackend(&backend);
    AfxGetApp()->SetExecutablePath(kTestExecutable);
    oric.RomFolderSource = &paths;
    telestrat.RomFolderSource = &paths;
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&paths, &oric, &telestrat, &addons, &system}) {
        sheet.AddPage(page);
    }
    TransferToPages(EmulatorSettings(), {paths, oric, telestrat, addons, system});
}

SheetUnderTest::~SheetUnderTest() { AfxGetApp()->m_pMainWnd = nullptr; }

int SheetUnderTest::Run(HeadlessBackend::Script script) {
    AfxGetApp()->m_pMainWnd = &sheet;
    backend.SetScript(std::move(script));
    return sheet.DoModal();
}
