#pragma once

// Control identifiers, page by page, named after what they show.

// Paths
inline constexpr int IDC_PATHS_TAPE_BROWSE = 1002;
inline constexpr int IDC_PATHS_TAPE = 1001;
inline constexpr int IDC_PATHS_DISK_BROWSE = 1003;
inline constexpr int IDC_PATHS_DISK = 1005;
inline constexpr int IDC_PATHS_ROM_BROWSE = 1004;
inline constexpr int IDC_PATHS_ROM = 1006;

// Oric
inline constexpr int IDC_ORIC_ORIC1_BROWSE = 1002;
inline constexpr int IDC_ORIC_ORIC1 = 1001;
inline constexpr int IDC_ORIC_ATMOS_BROWSE = 1003;
inline constexpr int IDC_ORIC_ATMOS = 1004;
inline constexpr int IDC_ORIC_MICRODISC_BROWSE = 1008;
inline constexpr int IDC_ORIC_MICRODISC = 1009;
inline constexpr int IDC_ORIC_JASMIN_BROWSE = 1010;
inline constexpr int IDC_ORIC_JASMIN = 1013;
inline constexpr int IDC_ORIC_BD500_BROWSE = 1011;
inline constexpr int IDC_ORIC_BD500 = 1014;
inline constexpr int IDC_ORIC_APPLE_BROWSE = 1012;
inline constexpr int IDC_ORIC_APPLE = 1015;
inline constexpr int IDC_ORIC_PRAVETZ_BROWSE = 1005;
inline constexpr int IDC_ORIC_PRAVETZ = 1006;

// Telestrat (the two lowest banks' identifiers cross over)
inline constexpr int IDC_TELESTRAT_BANK7_BROWSE = 1002;
inline constexpr int IDC_TELESTRAT_BANK7 = 1001;
inline constexpr int IDC_TELESTRAT_BANK6_BROWSE = 1003;
inline constexpr int IDC_TELESTRAT_BANK6 = 1004;
inline constexpr int IDC_TELESTRAT_BANK5_BROWSE = 1005;
inline constexpr int IDC_TELESTRAT_BANK5 = 1006;
inline constexpr int IDC_TELESTRAT_BANK4_BROWSE = 1007;
inline constexpr int IDC_TELESTRAT_BANK4 = 1008;
inline constexpr int IDC_TELESTRAT_BANK3_BROWSE = 1009;
inline constexpr int IDC_TELESTRAT_BANK3 = 1010;
inline constexpr int IDC_TELESTRAT_BANK2_BROWSE = 1013;
inline constexpr int IDC_TELESTRAT_BANK2 = 1012;
inline constexpr int IDC_TELESTRAT_BANK1_BROWSE = 1011;
inline constexpr int IDC_TELESTRAT_BANK1 = 1014;
inline constexpr int IDC_TELESTRAT_JOYSTICK = 1023;
inline constexpr int IDC_TELESTRAT_MOUSE = 1024;

// Add-ons
inline constexpr int IDC_ADDONS_CPU_6502 = 1028;
inline constexpr int IDC_ADDONS_CPU_65C02 = 1029;
inline constexpr int IDC_ADDONS_LIGHTPEN = 1033;
inline constexpr int IDC_ADDONS_CLOCK = 1034;
inline constexpr int IDC_ADDONS_PRINTER = 1032;
inline constexpr int IDC_ADDONS_PRINT_NULS = 1035;
inline constexpr int IDC_ADDONS_FIX_CRS = 1037;
inline constexpr int IDC_ADDONS_OVERLAY_RAM = 1038;
inline constexpr int IDC_ADDONS_JOYSTICK_NONE = 1019;
inline constexpr int IDC_ADDONS_JOYSTICK_PASE = 1020;
inline constexpr int IDC_ADDONS_JOYSTICK_IJK = 1021;
inline constexpr int IDC_ADDONS_RAM_TYPE1 = 1039;
inline constexpr int IDC_ADDONS_RAM_TYPE2 = 1040;
inline constexpr int IDC_ADDONS_RAM_TYPE3 = 1041;
inline constexpr int IDC_ADDONS_DRIVE_A = 1023;
inline constexpr int IDC_ADDONS_DRIVE_B = 1024;
inline constexpr int IDC_ADDONS_DRIVE_C = 1025;
inline constexpr int IDC_ADDONS_DRIVE_D = 1026;
inline constexpr int IDC_ADDONS_PB5_NOT_USED = 1030;
inline constexpr int IDC_ADDONS_PB5_SWITCH = 1031;
inline constexpr int IDC_ADDONS_PB5_STROBE = 1036;

// System
inline constexpr int IDC_SYSTEM_MODE_X = 1028;
inline constexpr int IDC_SYSTEM_MODE_Q = 1029;
inline constexpr int IDC_SYSTEM_SCANLINES = 1025;
inline constexpr int IDC_SYSTEM_MONOCHROME = 1026;
inline constexpr int IDC_SYSTEM_DUMP_SOUND = 1024;
inline constexpr int IDC_SYSTEM_SOUND_FILE_BROWSE = 1003;
inline constexpr int IDC_SYSTEM_SOUND_FILE = 1004;
inline constexpr int IDC_SYSTEM_LOG = 1023;
inline constexpr int IDC_SYSTEM_DUMP_FILE_BROWSE = 1002;
inline constexpr int IDC_SYSTEM_DUMP_FILE = 1001;
inline constexpr int IDC_SYSTEM_PRINTER_BROWSE = 1005;
inline constexpr int IDC_SYSTEM_PRINTER = 1006;
