#include "resources/PageTemplates.h"

#include <array>

#include "resources/ControlIds.h"

namespace {

constexpr int kPageWidth = 210;
constexpr int kPageHeight = 154;
constexpr const char* kPageFont = "MS Sans Serif";
constexpr int kPageFontPoints = 8;
constexpr const char* kBrowse = "Browse";

constexpr std::array kPathsControls = {
    LabelControl("Tapes :", {63, 25, 25, 14}),
    PushButtonControl(IDC_PATHS_TAPE_BROWSE, kBrowse, {7, 22, 49, 14}),
    TextFieldControl(IDC_PATHS_TAPE, {92, 22, 111, 15}),
    LabelControl("Disks :", {63, 43, 25, 14}),
    PushButtonControl(IDC_PATHS_DISK_BROWSE, kBrowse, {7, 40, 49, 14}),
    TextFieldControl(IDC_PATHS_DISK, {92, 40, 111, 15}),
    LabelControl("Roms :", {63, 61, 26, 14}),
    PushButtonControl(IDC_PATHS_ROM_BROWSE, kBrowse, {7, 58, 49, 14}),
    TextFieldControl(IDC_PATHS_ROM, {92, 58, 111, 15}),
};

constexpr std::array kOricControls = {
    LabelControl("Oric-1 Rom :", {51, 8, 44, 10}),
    PushButtonControl(IDC_ORIC_ORIC1_BROWSE, kBrowse, {7, 7, 42, 11}),
    TextFieldControl(IDC_ORIC_ORIC1, {101, 7, 89, 12}),
    LabelControl("Atmos Rom :", {52, 23, 40, 9}),
    PushButtonControl(IDC_ORIC_ATMOS_BROWSE, kBrowse, {7, 22, 42, 11}),
    TextFieldControl(IDC_ORIC_ATMOS, {101, 21, 89, 12}),
    GroupBoxControl("Disc controllers Eproms : ", {7, 69, 193, 73}),
    LabelControl("Microdisc :", {60, 83, 39, 9}),
    PushButtonControl(IDC_ORIC_MICRODISC_BROWSE, kBrowse, {13, 82, 42, 11}),
    TextFieldControl(IDC_ORIC_MICRODISC, {105, 82, 89, 12}),
    LabelControl("Jasmin :", {59, 97, 39, 9}),
    PushButtonControl(IDC_ORIC_JASMIN_BROWSE, kBrowse, {13, 96, 42, 11}),
    TextFieldControl(IDC_ORIC_JASMIN, {105, 96, 89, 12}),
    LabelControl("BD500 :", {59, 111, 39, 9}),
    PushButtonControl(IDC_ORIC_BD500_BROWSE, kBrowse, {13, 110, 42, 11}),
    TextFieldControl(IDC_ORIC_BD500, {105, 110, 89, 12}),
    LabelControl("Pravetz :", {59, 125, 39, 9}),
    PushButtonControl(IDC_ORIC_APPLE_BROWSE, kBrowse, {13, 124, 42, 11}),
    TextFieldControl(IDC_ORIC_APPLE, {105, 124, 89, 12}),
    PushButtonControl(IDC_ORIC_PRAVETZ_BROWSE, kBrowse, {7, 37, 42, 11}),
    LabelControl("Pravetz Rom :", {52, 37, 48, 9}),
    TextFieldControl(IDC_ORIC_PRAVETZ, {101, 35, 89, 12}),
};

constexpr std::array kTelestratControls = {
    LabelControl("Bank 7 :", {45, 9, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK7_BROWSE, kBrowse, {7, 7, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK7, {82, 7, 121, 12}),
    LabelControl("Bank 6 :", {45, 25, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK6_BROWSE, kBrowse, {7, 23, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK6, {82, 23, 121, 12}),
    LabelControl("Bank 5 :", {45, 42, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK5_BROWSE, kBrowse, {7, 39, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK5, {82, 39, 121, 12}),
    LabelControl("Bank 4 :", {45, 57, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK4_BROWSE, kBrowse, {7, 55, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK4, {82, 55, 121, 12}),
    LabelControl("Bank 3 :", {45, 71, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK3_BROWSE, kBrowse, {7, 69, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK3, {82, 69, 121, 12}),
    LabelControl("Bank 2 :", {45, 86, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK2_BROWSE, kBrowse, {7, 84, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK2, {82, 84, 121, 12}),
    LabelControl("Bank 1 :", {45, 101, 29, 12}),
    PushButtonControl(IDC_TELESTRAT_BANK1_BROWSE, kBrowse, {7, 99, 32, 12}),
    TextFieldControl(IDC_TELESTRAT_BANK1, {82, 98, 121, 12}),
    CheckBoxControl(IDC_TELESTRAT_JOYSTICK, "Joystick", {24, 126, 39, 11}),
    CheckBoxControl(IDC_TELESTRAT_MOUSE, "Mouse", {93, 126, 35, 11}),
};

constexpr std::array kAddonsControls = {
    LabelControl("Cpu :", {20, 7, 21, 13}),
    RadioGroupStartControl(IDC_ADDONS_CPU_6502, "6502", {49, 7, 40, 11}),
    RadioControl(IDC_ADDONS_CPU_65C02, "65C02", {91, 7, 47, 11}),
    LabelControl("Ram :", {21, 22, 26, 12}),
    CheckBoxControl(IDC_ADDONS_LIGHTPEN, "Lightpen", {7, 83, 85, 14}),
    CheckBoxControl(IDC_ADDONS_CLOCK, "Real Time Clock", {7, 96, 85, 14}),
    CheckBoxControl(IDC_ADDONS_PRINTER, "Printer", {111, 70, 48, 14}),
    CheckBoxControl(IDC_ADDONS_PRINT_NULS, "Print NULs", {132, 94, 49, 12}),
    CheckBoxControl(IDC_ADDONS_FIX_CRS, "Fix CRs", {142, 82, 39, 12}),
    CheckBoxControl(IDC_ADDONS_OVERLAY_RAM, "Overlay Ram Access", {7, 70, 85, 15}),
    LabelControl("Joystick Interface : ", {7, 40, 62, 11}),
    RadioGroupStartControl(IDC_ADDONS_JOYSTICK_NONE, "None", {69, 38, 31, 12}),
    RadioControl(IDC_ADDONS_JOYSTICK_PASE, "PASE", {103, 38, 30, 12}),
    RadioControl(IDC_ADDONS_JOYSTICK_IJK, "IJK", {141, 38, 36, 12}),
    LabelControl("PB5 :", {7, 54, 28, 11}),
    GroupBoxControl("", {104, 65, 99, 46}),
    RadioGroupStartControl(IDC_ADDONS_RAM_TYPE1, "Type 1", {49, 22, 38, 10}),
    RadioControl(IDC_ADDONS_RAM_TYPE2, "Type 2", {91, 22, 40, 10}),
    RadioControl(IDC_ADDONS_RAM_TYPE3, "Type 3", {135, 22, 48, 10}),
    GroupBoxControl("Drives :", {7, 123, 196, 24}),
    SpokenAs(CheckBoxControl(IDC_ADDONS_DRIVE_A, "A", {44, 131, 18, 9}), "Drive A"),
    SpokenAs(CheckBoxControl(IDC_ADDONS_DRIVE_B, "B", {87, 131, 18, 9}), "Drive B"),
    SpokenAs(CheckBoxControl(IDC_ADDONS_DRIVE_C, "C", {130, 131, 18, 9}), "Drive C"),
    SpokenAs(CheckBoxControl(IDC_ADDONS_DRIVE_D, "D", {173, 131, 18, 9}), "Drive D"),
    RadioGroupStartControl(IDC_ADDONS_PB5_NOT_USED, "Not used", {40, 54, 43, 11}),
    RadioControl(IDC_ADDONS_PB5_SWITCH, "Switch", {87, 54, 37, 11}),
    RadioControl(IDC_ADDONS_PB5_STROBE, "Strobe", {129, 54, 49, 11}),
};

constexpr std::array kSystemControls = {
    GroupBoxControl("Display", {7, 7, 196, 35}),
    LabelControl("Screen Mode :", {25, 16, 51, 11}),
    RadioGroupStartControl(IDC_SYSTEM_MODE_X, "Mode X", {83, 14, 42, 13}),
    RadioControl(IDC_SYSTEM_MODE_Q, "Mode Q", {137, 14, 42, 13}),
    CheckBoxControl(IDC_SYSTEM_SCANLINES, "Scanlines :", {25, 27, 55, 12}),
    CheckBoxControl(IDC_SYSTEM_MONOCHROME, "Monochrome VGA :", {97, 27, 77, 12}),
    GroupBoxControl("Sound", {7, 44, 196, 35}),
    CheckBoxControl(IDC_SYSTEM_DUMP_SOUND, "Dump Sound :", {14, 52, 68, 10}),
    LabelControl("Dump Sound File (F8) :", {12, 64, 74, 12}),
    PushButtonControl(IDC_SYSTEM_SOUND_FILE_BROWSE, kBrowse, {88, 63, 32, 12}),
    TextFieldControl(IDC_SYSTEM_SOUND_FILE, {122, 63, 80, 12}),
    GroupBoxControl("Debug", {7, 109, 196, 38}),
    CheckBoxControl(IDC_SYSTEM_LOG, "Log Output :", {13, 116, 82, 11}),
    LabelControl("( log.txt )", {107, 116, 47, 10}),
    LabelControl("Dump State File (F9) :", {11, 133, 70, 11}),
    PushButtonControl(IDC_SYSTEM_DUMP_FILE_BROWSE, kBrowse, {85, 132, 32, 12}),
    TextFieldControl(IDC_SYSTEM_DUMP_FILE, {121, 132, 80, 12}),
    LabelControl("Printer Output :", {52, 90, 51, 10}),
    PushButtonControl(IDC_SYSTEM_PRINTER_BROWSE, kBrowse, {13, 91, 36, 9}),
    TextFieldControl(IDC_SYSTEM_PRINTER, {110, 89, 91, 12}),
    GroupBoxControl("Printer Output", {7, 81, 196, 28}),
};

constexpr DialogTemplate Page(int id, const char* title, std::span<const ControlTemplate> controls) {
    return {id, title, kPageWidth, kPageHeight, kPageFont, kPageFontPoints, controls};
}

}  // namespace

const DialogTemplate kPathsTemplate = Page(IDD_PATHS, "Paths", kPathsControls);
const DialogTemplate kOricTemplate = Page(IDD_ORIC, "Oric", kOricControls);
const DialogTemplate kTelestratTemplate = Page(IDD_TELESTRAT, "Telestrat", kTelestratControls);
const DialogTemplate kAddonsTemplate = Page(IDD_ADDONS, "Add-ons", kAddonsControls);
const DialogTemplate kSystemTemplate = Page(IDD_SYSTEM, "System", kSystemControls);
