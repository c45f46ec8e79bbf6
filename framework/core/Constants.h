#pragma once

// Framework-wide identifiers. The values are the platform's own; each is
// guarded because the native Windows headers define the same names as macros.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef MB_OK
#define MB_OK 0x00000000u
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030u
#endif
#ifndef OFN_HIDEREADONLY
#define OFN_HIDEREADONLY 0x00000004u
#endif
#ifndef OFN_NOCHANGEDIR
#define OFN_NOCHANGEDIR 0x00000008u
#endif
#ifndef OFN_PATHMUSTEXIST
#define OFN_PATHMUSTEXIST 0x00000800u
#endif
#ifndef OFN_FILEMUSTEXIST
#define OFN_FILEMUSTEXIST 0x00001000u
#endif
#ifndef OFN_OVERWRITEPROMPT
#define OFN_OVERWRITEPROMPT 0x00000002u
#endif
#ifndef BIF_RETURNONLYFSDIRS
#define BIF_RETURNONLYFSDIRS 0x00000001u
#endif

// The framework's Help command, routed to the application.
inline constexpr int ID_HELP = 57670;

// Help topics of dialog templates are numbered from here.
inline constexpr unsigned kHelpResourceBase = 0x20000u;
