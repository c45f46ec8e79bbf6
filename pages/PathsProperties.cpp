#include "pages/PathsProperties.h"

#include <array>

#include "framework/core/ExchangeList.h"
#include "resources/ControlIds.h"
#include "resources/PageTemplates.h"
#include "resources/Strings.h"
#include "ui/BrowseMap.h"
#include "ui/Pickers.h"

namespace {

using Page = PathsProperties;

constexpr std::array<ExchangeBinding<Page>, 3> kExchangeList = {{
    TextBinding(IDC_PATHS_TAPE, &Page::TapePath, kMaxFieldChars),
    TextBinding(IDC_PATHS_DISK, &Page::DiskPath, kMaxFieldChars),
    TextBinding(IDC_PATHS_ROM, &Page::RomPath, kMaxFieldChars),
}};

constexpr BrowseEntry<Page> kMessageMap[] = {
    {IDC_PATHS_TAPE_BROWSE, &Page::TapePath, kSelectTapesTitle},
    {IDC_PATHS_DISK_BROWSE, &Page::DiskPath, kSelectDisksTitle},
    {IDC_PATHS_ROM_BROWSE, &Page::RomPath, kSelectRomsTitle},
};

}  // namespace

PathsProperties::PathsProperties() : CPropertyPage(kPathsTemplate) {}

void PathsProperties::DoDataExchange(CDataExchange* pDX) { ExchangeAll(pDX, *this, kExchangeList); }

bool PathsProperties::OnCmdMsg(int id, bool execute) {
    return DispatchBrowse(*this, kMessageMap, id, execute,
                          [this](std::string& field, const char* title) { BrowseFolder(*this, field, title); });
}
