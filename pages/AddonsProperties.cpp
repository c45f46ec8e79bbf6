#include "pages/AddonsProperties.h"

#include <array>

#include "framework/core/ExchangeList.h"
#include "resources/ControlIds.h"
#include "resources/PageTemplates.h"

namespace {

using Page = AddonsProperties;

constexpr std::array<ExchangeBinding<Page>, 14> kExchangeList = {{
    RadioBinding(IDC_ADDONS_CPU_6502, &Page::Cpu),
    RadioBinding(IDC_ADDONS_JOYSTICK_NONE, &Page::Joystick),
    RadioBinding(IDC_ADDONS_RAM_TYPE1, &Page::RamPattern),
    RadioBinding(IDC_ADDONS_PB5_NOT_USED, &Page::SelectRomWithPB5),
    CheckBinding(IDC_ADDONS_DRIVE_A, &Page::DriveA),
    CheckBinding(IDC_ADDONS_DRIVE_B, &Page::DriveB),
    CheckBinding(IDC_ADDONS_DRIVE_C, &Page::DriveC),
    CheckBinding(IDC_ADDONS_DRIVE_D, &Page::DriveD),
    CheckBinding(IDC_ADDONS_LIGHTPEN, &Page::LightPen),
    CheckBinding(IDC_ADDONS_CLOCK, &Page::RealTimeClock),
    CheckBinding(IDC_ADDONS_PRINTER, &Page::Printer),
    CheckBinding(IDC_ADDONS_PRINT_NULS, &Page::PrintNULs),
    CheckBinding(IDC_ADDONS_FIX_CRS, &Page::FixCRs),
    CheckBinding(IDC_ADDONS_OVERLAY_RAM, &Page::OverlayRamAccess),
}};

}  // namespace

AddonsProperties::AddonsProperties() : CPropertyPage(kAddonsTemplate) {}

void AddonsProperties::DoDataExchange(CDataExchange* pDX) { ExchangeAll(pDX, *this, kExchangeList); }
