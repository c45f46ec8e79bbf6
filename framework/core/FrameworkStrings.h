#pragma once

// Texts the framework itself shows to the user.
inline constexpr const char* kPromptMaxChars = "Please enter no more than %1 characters.";
inline constexpr const char* kPromptInternalError = "Internal application error.";
inline constexpr const char* kPromptOutOfMemory = "Out of memory.";
inline constexpr const char* kPromptHelpFailed = "Failed to launch help.";
