#include "pages/TelestratProperties.h"

#include <array>

#include "framework/core/ExchangeList.h"
#include "pages/PathsProperties.h"
#include "resources/ControlIds.h"
#include "resources/PageTemplates.h"
#include "resources/Strings.h"
#include "ui/BrowseMap.h"
#include "ui/Pickers.h"

namespace {

using Page = TelestratProperties;

constexpr std::array<ExchangeBinding<Page>, 9> kExchangeList = {{
    TextBinding(IDC_TELESTRAT_BANK7, &Page::Bank7, kMaxFieldChars),
    TextBinding(IDC_TELESTRAT_BANK6, &Page::Bank6, kMaxFieldChars),
    TextBinding(IDC_TELESTRAT_BANK5, &Page::Bank5, kMaxFieldChars),
    TextBinding(IDC_TELESTRAT_BANK4, &Page::Bank4, kMaxFieldChars),
    TextBinding(IDC_TELESTRAT_BANK3, &Page::Bank3, kMaxFieldChars),
    TextBinding(IDC_TELESTRAT_BANK2, &Page::Bank2, kMaxFieldChars),
    TextBinding(IDC_TELESTRAT_BANK1, &Page::Bank1, kMaxFieldChars),
    CheckBinding(IDC_TELESTRAT_JOYSTICK, &Page::JoystickPort),
    CheckBinding(IDC_TELESTRAT_MOUSE, &Page::Mouse),
}};

constexpr BrowseEntry<Page> kMessageMap[] = {
    {IDC_TELESTRAT_BANK7_BROWSE, &Page::Bank7, nullptr}, {IDC_TELESTRAT_BANK6_BROWSE, &Page::Bank6, nullptr},
    {IDC_TELESTRAT_BANK5_BROWSE, &Page::Bank5, nullptr}, {IDC_TELESTRAT_BANK4_BROWSE, &Page::Bank4, nullptr},
    {IDC_TELESTRAT_BANK3_BROWSE, &Page::Bank3, nullptr}, {IDC_TELESTRAT_BANK2_BROWSE, &Page::Bank2, nullptr},
    {IDC_TELESTRAT_BANK1_BROWSE, &Page::Bank1, nullptr},
};

}  // namespace

TelestratProperties::TelestratProperties() : CPropertyPage(kTelestratTemplate) {}

void TelestratProperties::DoDataExchange(CDataExchange* pDX) { ExchangeAll(pDX, *this, kExchangeList); }

bool TelestratProperties::OnCmdMsg(int id, bool execute) {
    return DispatchBrowse(*this, kMessageMap, id, execute, [this](std::string& field, const char*) {
        BrowseRom(*this, field, RomFolderSource != nullptr ? RomFolderSource->RomPath : std::string());
    });
}
