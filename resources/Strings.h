#pragma once

#include <cstddef>

// The system's own user-visible texts.
inline constexpr const char* kSheetCaption = "Brindlewick";
inline constexpr const char* kConfigFileName = "quorvane.ini";
inline constexpr const char* kCannotWriteConfig = "Cannot write to Quorvane.ini file";

inline constexpr const char* kSelectTapesTitle = "Select Tapes Directory";
inline constexpr const char* kSelectDisksTitle = "Select Disks Directory";
inline constexpr const char* kSelectRomsTitle = "Select Roms Directory";

inline constexpr const char* kRomSelectionTitle = "Rom Selection";
inline constexpr const char* kRomFileFilter = "Rom Files (*.rom)|*.rom|All Files (*.*)|*.*||";
inline constexpr const char* kAnyFileFilter = "All Files (*.*)|*.*||";

// Text fields take at most this many characters (bytes) from the user.
inline constexpr std::size_t kMaxFieldChars = 128;
