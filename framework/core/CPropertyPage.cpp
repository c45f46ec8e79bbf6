#include "framework/core/CPropertyPage.h"

#include <exception>
#include <new>

#include "framework/core/CDataExchange.h"
#include "framework/core/Constants.h"
#include "framework/core/FrameworkStrings.h"
#include "framework/core/MessageBox.h"

CPropertyPage::CPropertyPage(const DialogTemplate& dialog) : m_template(dialog) {}

void CPropertyPage::DoDataExchange(CDataExchange*) {}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
    if (GetHost() == nullptr) return false;
    CDataExchange exchange(*this, saveAndValidate);
    // A platform failure inside the walk (memory, a control gone) counts as
    // a failed exchange, shown with its own text where it has one.
    try {
        DoDataExchange(&exchange);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kPromptOutOfMemory);
        return false;
    } catch (const std::exception& failure) {
        const std::string text = failure.what();
        AfxMessageBox(text.empty() ? kPromptInternalError : text);
        return false;
    } catch (...) {
        AfxMessageBox(kPromptInternalError);
        return false;
    }
    return !exchange.Failed();
}

bool CPropertyPage::OnInitDialog() { return UpdateData(false); }

bool CPropertyPage::OnSetActive() {
    // The first activation follows creation, which has loaded the controls.
    if (m_firstSetActive) {
        m_firstSetActive = false;
        return true;
    }
    return UpdateData(false);
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

unsigned CPropertyPage::GetHelpContext() const {
    return kHelpResourceBase + static_cast<unsigned>(m_template.id);
}
