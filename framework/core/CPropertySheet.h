#pragma once

#include <string>
#include <vector>

#include "framework/core/CPropertyPage.h"
#include "framework/core/CWnd.h"

// A modal, tabbed sheet of pages with OK, Cancel, Apply and Help buttons.
// The backend draws it and reports the user's actions through the backend
// section below; the rules of those actions live here.
class CPropertySheet : public CWnd {
public:
    CPropertySheet(std::string caption, CWnd* parent = nullptr, int selectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    int DoModal();

    // ---- What the backend reads to build the window.
    const std::string& GetCaption() const { return m_caption; }
    const CWnd* GetParentWindow() const { return m_parent; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetStartPage() const { return m_startPage; }
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

    // ---- What the backend reports.
    void OnWindowCreated(NativeWindow* window);
    void OnWindowDestroyed();
    // The active page is being left (another tab asked for): store it.
    // False refuses the change; the page stays active.
    bool OnPageKillActive();
    // Page `index` is now shown, in `host` (made by the backend the first
    // time the page is shown, and the same object every later time).
    void OnPageSetActive(int index, PageHost& host);
    // OK: store the active page; true when the sheet may close with IDOK.
    bool OnOK();
    void OnHelp();
    // A push button of the active page was clicked.
    void OnPageButtonClicked(int id);

    unsigned GetHelpContext() const override;

private:
    std::string m_caption;
    CWnd* m_parent;
    int m_startPage;
    int m_active = -1;
    std::vector<CPropertyPage*> m_pages;
};
