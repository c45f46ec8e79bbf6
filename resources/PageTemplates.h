#pragma once

#include "framework/core/DialogTemplate.h"

// The five page templates, as the platform would load them from resources.
inline constexpr int IDD_ORIC = 106;
inline constexpr int IDD_PATHS = 107;
inline constexpr int IDD_TELESTRAT = 108;
inline constexpr int IDD_ADDONS = 109;
inline constexpr int IDD_SYSTEM = 110;

extern const DialogTemplate kPathsTemplate;
extern const DialogTemplate kOricTemplate;
extern const DialogTemplate kTelestratTemplate;
extern const DialogTemplate kAddonsTemplate;
extern const DialogTemplate kSystemTemplate;
