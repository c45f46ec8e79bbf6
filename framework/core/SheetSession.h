#pragma once

#include "framework/core/Backend.h"
#include "framework/core/CPropertySheet.h"

// One modal run of a sheet: what the backend reads and reports, with the
// sheet's protocol kept in one place. The window is created once, pages are
// shown only in it, and Close drops the sheet's and pages' windows exactly
// once however the run ended.
class SheetSession final : public SheetCallbacks {
public:
    explicit SheetSession(CPropertySheet& sheet);
    ~SheetSession() override;
    SheetSession(const SheetSession&) = delete;
    SheetSession& operator=(const SheetSession&) = delete;

    // The backend has returned: the window is gone.
    void Close();

    const std::string& GetCaption() const override { return m_sheet.GetCaption(); }
    const CWnd* GetParentWindow() const override { return m_sheet.GetParentWindow(); }
    const CWnd& GetSheetWnd() const override { return m_sheet; }
    int GetPageCount() const override { return m_sheet.GetPageCount(); }
    const DialogTemplate* GetPageTemplate(int index) const override;
    int GetStartPage() const override;
    int GetActiveIndex() const override { return m_sheet.GetActiveIndex(); }
    bool HasHelpButton() const override { return m_sheet.HasHelpButton(); }
    bool IsApplyEnabled() const override { return m_sheet.IsApplyEnabled(); }
    bool HasContextHelpButton() const override { return m_sheet.HasContextHelpButton(); }
    int PageWidth() const override { return m_sheet.PageWidth(); }
    int PageHeight() const override { return m_sheet.PageHeight(); }

    void OnWindowCreated(NativeWindow* window) override;
    bool OnPageKillActive() override;
    void OnPageSetActive(int index, PageHost& host) override;
    bool OnOK() override;
    void OnHelp() override;
    void OnPageButtonClicked(int id) override;

private:
    CPropertySheet& m_sheet;
    bool m_created = false;
    bool m_closed = false;
};
