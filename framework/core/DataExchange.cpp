#include <string>

#include "framework/core/CDataExchange.h"
#include "framework/core/CPropertyPage.h"
#include "framework/core/ControlRules.h"
#include "framework/core/FrameworkStrings.h"
#include "framework/core/MessageBox.h"

CDataExchange::CDataExchange(CPropertyPage& page, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(&page) {}

PageHost& CDataExchange::Host() const { return *m_pDlgWnd->GetHost(); }

void CDataExchange::PrepareEditCtrl(int id) {
    m_lastControl = id;
    m_lastIsEdit = true;
}

void CDataExchange::PrepareCtrl(int id) {
    m_lastControl = id;
    m_lastIsEdit = false;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_lastIsEdit && m_lastControl != -1) Host().FocusAndSelectAll(m_lastControl);
    m_failed = true;
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->Failed()) return;
    pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = pDX->Host().GetControlText(id);
    } else {
        pDX->Host().SetControlText(id, value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, std::size_t maxChars) {
    if (pDX->Failed()) return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->Host().SetTextLimit(pDX->LastControl(), maxChars);
        return;
    }
    if (value.size() <= maxChars) return;
    std::string prompt = kPromptMaxChars;
    prompt.replace(prompt.find("%1"), 2, std::to_string(maxChars));
    AfxMessageBox(prompt);
    pDX->Fail();
}

void DDX_Check(CDataExchange* pDX, int id, bool& value) {
    if (pDX->Failed()) return;
    pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = pDX->Host().IsControlChecked(id);
    } else {
        pDX->Host().SetControlChecked(id, value);
    }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed()) return;
    pDX->PrepareCtrl(id);
    const DialogTemplate& dialog = pDX->m_pDlgWnd->GetTemplate();
    const auto first = FindControl(dialog, id);
    if (!first) return;
    const std::vector<std::size_t> group = RadioGroupOf(dialog, *first);
    if (pDX->m_bSaveAndValidate) {
        // With no button selected the field keeps its value: a value no
        // button stands for must survive a look at the page.
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (pDX->Host().IsControlChecked(dialog.controls[group[i]].id)) {
                value = static_cast<int>(i);
                return;
            }
        }
    } else {
        for (std::size_t i = 0; i < group.size(); ++i) {
            pDX->Host().SetControlChecked(dialog.controls[group[i]].id, static_cast<int>(i) == value);
        }
    }
}
