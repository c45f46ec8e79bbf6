#pragma once

#include <string>
#include <vector>

#include "framework/core/CPropertyPage.h"
#include "framework/core/CWnd.h"

// A modal, tabbed sheet of pages with OK, Cancel, Apply and Help buttons.
// The backend draws it and reports the user's actions through a
// SheetSession, which holds the rules of those actions.
class CPropertySheet : public CWnd {
public:
    CPropertySheet(std::string caption, CWnd* parent = nullptr, int selectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    int DoModal();

    // ---- What the sheet holds.
    const std::string& GetCaption() const { return m_caption; }
    const CWnd* GetParentWindow() const { return m_parent; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetActiveIndex() const { return m_active; }
    CPropertyPage* GetActivePage() const { return GetPage(m_active); }
    // Help shows when the application handles the Help command.
    bool HasHelpButton() const;
    // No page ever reports itself modified.
    bool IsApplyEnabled() const { return false; }
    bool HasContextHelpButton() const { return false; }
    // The sheet fits its largest page (dialog units).
    int PageWidth() const;
    int PageHeight() const;

    unsigned GetHelpContext() const override;

private:
    friend class SheetSession;

    std::string m_caption;
    CWnd* m_parent;
    int m_startPage;
    int m_active = -1;
    std::vector<CPropertyPage*> m_pages;
};
