#include "pages/OricProperties.h"

#include <array>

#include "framework/core/ExchangeList.h"
#include "pages/PathsProperties.h"
#include "resources/ControlIds.h"
#include "resources/PageTemplates.h"
#include "resources/Strings.h"
#include "ui/BrowseMap.h"
#include "ui/Pickers.h"

namespace {

using Page = OricProperties;

constexpr std::array<ExchangeBinding<Page>, 7> kExchangeList = {{
    TextBinding(IDC_ORIC_ORIC1, &Page::Oric1Rom, kMaxFieldChars),
    TextBinding(IDC_ORIC_ATMOS, &Page::AtmosRom, kMaxFieldChars),
    TextBinding(IDC_ORIC_MICRODISC, &Page::MicrodiscEprom, kMaxFieldChars),
    TextBinding(IDC_ORIC_JASMIN, &Page::JasminEprom, kMaxFieldChars),
    TextBinding(IDC_ORIC_BD500, &Page::BD500Eprom, kMaxFieldChars),
    TextBinding(IDC_ORIC_APPLE, &Page::AppleInterfaceEprom, kMaxFieldChars),
    TextBinding(IDC_ORIC_PRAVETZ, &Page::PravetzRom, kMaxFieldChars),
}};

constexpr BrowseEntry<Page> kMessageMap[] = {
    {IDC_ORIC_ORIC1_BROWSE, &Page::Oric1Rom, nullptr},
    {IDC_ORIC_ATMOS_BROWSE, &Page::AtmosRom, nullptr},
    {IDC_ORIC_MICRODISC_BROWSE, &Page::MicrodiscEprom, nullptr},
    {IDC_ORIC_JASMIN_BROWSE, &Page::JasminEprom, nullptr},
    {IDC_ORIC_BD500_BROWSE, &Page::BD500Eprom, nullptr},
    {IDC_ORIC_APPLE_BROWSE, &Page::AppleInterfaceEprom, nullptr},
    {IDC_ORIC_PRAVETZ_BROWSE, &Page::PravetzRom, nullptr},
};

}  // namespace

OricProperties::OricProperties() : CPropertyPage(kOricTemplate) {}

void OricProperties::DoDataExchange(CDataExchange* pDX) { ExchangeAll(pDX, *this, kExchangeList); }

bool OricProperties::OnCmdMsg(int id, bool execute) {
    return DispatchBrowse(*this, kMessageMap, id, execute, [this](std::string& field, const char*) {
        BrowseRom(*this, field, RomFolderSource != nullptr ? RomFolderSource->RomPath : std::string());
    });
}
