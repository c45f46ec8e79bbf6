#include "framework/core/CPropertySheet.h"

#include <algorithm>
#include <utility>

#include "framework/core/Backend.h"
#include "framework/core/CWinApp.h"
#include "framework/core/Constants.h"
#include "framework/core/SheetSession.h"

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
    SheetSession session(*this);
    const int result = ActiveBackend().RunPropertySheet(session);
    session.Close();
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

unsigned CPropertySheet::GetHelpContext() const {
    const CPropertyPage* page = GetActivePage();
    return page == nullptr ? 0 : page->GetHelpContext();
}
