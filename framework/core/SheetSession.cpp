#include "framework/core/SheetSession.h"

#include "framework/core/CWinApp.h"
#include "framework/core/Constants.h"
#include "framework/core/SheetRules.h"

SheetSession::SheetSession(CPropertySheet& sheet) : m_sheet(sheet) { m_sheet.m_active = -1; }

SheetSession::~SheetSession() { Close(); }

void SheetSession::Close() {
    if (m_closed) return;
    m_closed = true;
    m_sheet.m_hWnd = nullptr;
    for (CPropertyPage* page : m_sheet.m_pages) page->AttachWindow(nullptr);
    // The main-window reference designates the sheet only while it exists.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == &m_sheet) app->m_pMainWnd = nullptr;
}

const DialogTemplate* SheetSession::GetPageTemplate(int index) const {
    const CPropertyPage* page = m_sheet.GetPage(index);
    return page == nullptr ? nullptr : &page->GetTemplate();
}

int SheetSession::GetStartPage() const { return ClampStartPage(m_sheet.m_startPage, m_sheet.GetPageCount()); }

void SheetSession::OnWindowCreated(NativeWindow* window) {
    if (m_created || m_closed) return;
    m_created = true;
    m_sheet.m_hWnd = window;
}

bool SheetSession::OnPageKillActive() {
    CPropertyPage* page = m_sheet.GetActivePage();
    return page == nullptr || page->OnKillActive();
}

void SheetSession::OnPageSetActive(int index, PageHost& host) {
    // A page lives only inside the sheet's window.
    CPropertyPage* page = m_sheet.GetPage(index);
    if (page == nullptr || !m_created || m_closed) return;
    m_sheet.m_active = index;
    if (page->GetHost() == nullptr) {
        page->AttachWindow(&host);
        page->OnInitDialog();
    }
    page->OnSetActive();
}

bool SheetSession::OnOK() { return OnPageKillActive(); }

void SheetSession::OnHelp() {
    CWinApp* app = AfxGetApp();
    if (app != nullptr) app->OnCmdMsg(ID_HELP, true);
}

void SheetSession::OnPageButtonClicked(int id) {
    CPropertyPage* page = m_sheet.GetActivePage();
    if (page != nullptr) page->OnCmdMsg(id, true);
}
