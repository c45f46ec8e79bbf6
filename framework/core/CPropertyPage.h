#pragma once

#include "framework/core/CWnd.h"
#include "framework/core/DialogTemplate.h"

class CDataExchange;
class CPropertySheet;

// One tab of a sheet: a template of controls, fields bound to them by
// DoDataExchange, and a message map for its buttons. The window exists from
// the first time the tab is shown until the sheet closes.
class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(const DialogTemplate& dialog);

    const DialogTemplate& GetTemplate() const { return m_template; }
    PageHost* GetHost() const { return static_cast<PageHost*>(m_hWnd); }

    // false: load every control from its field; true: store and validate.
    // Returns whether the exchange succeeded.
    bool UpdateData(bool saveAndValidate = true);

    virtual bool OnInitDialog();  // first show: load
    virtual bool OnSetActive();   // later shows: load again
    virtual bool OnKillActive();  // leaving or confirming: store

    unsigned GetHelpContext() const override;

    // Called by the sheet when it attaches or drops the page's window.
    void AttachWindow(PageHost* host) { m_hWnd = host; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    const DialogTemplate& m_template;
    bool m_firstSetActive = true;
};
