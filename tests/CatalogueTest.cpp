#include <gtest/gtest.h>

#include "config/SettingsCatalogue.h"

// Which page binds each setting, and with what control, is checked against
// the pages themselves in CrossTableTest.cpp.
TEST(Catalogue, EachRowPointsAtTheMemberOfItsKind) {
    for (const SettingDescriptor& setting : SettingsCatalogue()) {
        // Each row points at the member of its own kind, and only that one.
        EXPECT_EQ(setting.text != nullptr, setting.kind == SettingKind::Text) << setting.key;
        EXPECT_EQ(setting.flag != nullptr, setting.kind == SettingKind::Flag) << setting.key;
        EXPECT_EQ(setting.choice != nullptr, setting.kind == SettingKind::Choice) << setting.key;
        EXPECT_EQ(FindSetting(setting.key), &setting);
    }
}

TEST(Catalogue, LooksKeysUpByExactCase) {
    EXPECT_NE(FindSetting("VGAMode"), nullptr);
    EXPECT_NE(FindSetting("PrintNULs"), nullptr);
    for (const char* near : {"vgamode", "VgaMode", "printnuls", "FixCrs", "Monochromevga", "", "TapePath "}) {
        EXPECT_EQ(FindSetting(near), nullptr) << near;
    }
}

TEST(Catalogue, RecordStartsAtTheDefaults) {
    const EmulatorSettings settings;
    int flagsSet = 0;
    for (const SettingDescriptor& setting : SettingsCatalogue()) {
        switch (setting.kind) {
            case SettingKind::Text:
                EXPECT_EQ(settings.*setting.text, setting.key == "PrinterOutput" ? "lpt1:" : "") << setting.key;
                break;
            case SettingKind::Flag: flagsSet += settings.*setting.flag; break;
            case SettingKind::Choice: EXPECT_EQ(settings.*setting.choice, 0) << setting.key; break;
        }
    }
    EXPECT_TRUE(settings.DriveA && settings.DriveB && settings.DriveC && settings.FixCRs);
    EXPECT_EQ(flagsSet, 4);
}
