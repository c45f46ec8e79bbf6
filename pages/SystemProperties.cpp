#include "pages/SystemProperties.h"

#include <array>

#include "framework/core/ExchangeList.h"
#include "resources/ControlIds.h"
#include "resources/PageTemplates.h"
#include "resources/Strings.h"
#include "ui/BrowseMap.h"
#include "ui/Pickers.h"

namespace {

using Page = SystemProperties;

constexpr std::array<ExchangeBinding<Page>, 8> kExchangeList = {{
    TextBinding(IDC_SYSTEM_DUMP_FILE, &Page::DumpFile, kMaxFieldChars),
    TextBinding(IDC_SYSTEM_SOUND_FILE, &Page::SoundFile, kMaxFieldChars),
    RadioBinding(IDC_SYSTEM_MODE_X, &Page::VGAMode),
    CheckBinding(IDC_SYSTEM_LOG, &Page::Log),
    CheckBinding(IDC_SYSTEM_DUMP_SOUND, &Page::DumpSound),
    TextBinding(IDC_SYSTEM_PRINTER, &Page::PrinterOutput, kMaxFieldChars),
    CheckBinding(IDC_SYSTEM_SCANLINES, &Page::ScanLines),
    CheckBinding(IDC_SYSTEM_MONOCHROME, &Page::MonochromeVGA),
}};

constexpr BrowseEntry<Page> kMessageMap[] = {
    {IDC_SYSTEM_DUMP_FILE_BROWSE, &Page::DumpFile, nullptr},
    {IDC_SYSTEM_SOUND_FILE_BROWSE, &Page::SoundFile, nullptr},
    {IDC_SYSTEM_PRINTER_BROWSE, &Page::PrinterOutput, nullptr},
};

}  // namespace

SystemProperties::SystemProperties() : CPropertyPage(kSystemTemplate) {}

void SystemProperties::DoDataExchange(CDataExchange* pDX) { ExchangeAll(pDX, *this, kExchangeList); }

bool SystemProperties::OnCmdMsg(int id, bool execute) {
    return DispatchBrowse(*this, kMessageMap, id, execute,
                          [this](std::string& field, const char*) { BrowseFile(*this, field); });
}
