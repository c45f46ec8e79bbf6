#include "framework/core/CPropertySheet.h"

#include <algorithm>
#include <utility>

#include "framework/core/Backend.h"
#include "framework/core/CWinApp.h"
#include "framework/core/Constants.h"

CPropertySheet::CPropertySheet(std::string caption, CWnd* parent, int selectPage)
    : m_caption(std::move(caption)), m_parent(parent), m_startPage(selectPage) {}

CPropertySheet::~CPropertySheet() {
    // The pages may be gone already: they are often declared after the sheet.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* page) { m_pages.push_back(page); }

CPropertyPage* CPropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

int CPropertySheet::DoModal() {
    m_active = -1;
    const int result = ActiveBackend().RunPropertySheet(*this);
    OnWindowDestroyed();
    return result == IDOK ? IDOK : IDCANCEL;
}

bool CPropertySheet::HasHelpButton() const {
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(ID_HELP, false);
}

int CPropertySheet::PageWidth() const {
    int width = 0;
    for (const CPropertyPage* page : m_pages) width = std::max(width, page->GetTemplate().width);
    return width;
}

int CPropertySheet::PageHeight() const {
    int height = 0;
    for (const CPropertyPage* page : m_pages) height = std::max(height, page->GetTemplate().height);
    return height;
}

void CPropertySheet::OnWindowCreated(NativeWindow* window) { m_hWnd = window; }

void CPropertySheet::OnWindowDestroyed() {
    m_hWnd = nullptr;
    for (CPropertyPage* page : m_pages) page->AttachWindow(nullptr);
    // The main-window reference designates the sheet only while it exists.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

bool CPropertySheet::OnPageKillActive() {
    CPropertyPage* page = GetActivePage();
    return page == nullptr || page->OnKillActive();
}

void CPropertySheet::OnPageSetActive(int index, PageHost& host) {
    CPropertyPage* page = GetPage(index);
    if (page == nullptr) return;
    m_active = index;
    if (page->GetHost() == nullptr) {
        page->AttachWindow(&host);
        page->OnInitDialog();
    }
    page->OnSetActive();
}

bool CPropertySheet::OnOK() { return OnPageKillActive(); }

void CPropertySheet::OnHelp() {
    CWinApp* app = AfxGetApp();
    if (app != nullptr) app->OnCmdMsg(ID_HELP, true);
}

void CPropertySheet::OnPageButtonClicked(int id) {
    CPropertyPage* page = GetActivePage();
    if (page != nullptr) page->OnCmdMsg(id, true);
}

unsigned CPropertySheet::GetHelpContext() const {
    const CPropertyPage* page = GetActivePage();
    return page == nullptr ? 0 : page->GetHelpContext();
}
