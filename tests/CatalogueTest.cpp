#include <gtest/gtest.h>

#include "config/SettingsCatalogue.h"

TEST(Catalogue, HoldsFortyOneSettingsOfTheRightKindsAndPages) {
    int text = 0, flag = 0, choice = 0;
    int perPage[5] = {};
    for (const SettingDescriptor& setting : SettingsCatalogue()) {
        text += setting.kind == SettingKind::Text;
        flag += setting.kind == SettingKind::Flag;
        choice += setting.kind == SettingKind::Choice;
        ++perPage[static_cast<int>(setting.page)];
        // Each row points at the member of its own kind, and only that one.
        EXPECT_EQ(setting.text != nullptr, setting.kind == SettingKind::Text) << setting.key;
        EXPECT_EQ(setting.flag != nullptr, setting.kind == SettingKind::Flag) << setting.key;
        EXPECT_EQ(setting.choice != nullptr, setting.kind == SettingKind::Choice) << setting.key;
        EXPECT_EQ(FindSetting(setting.key), &setting);
    }
    EXPECT_EQ(text, 20);
    EXPECT_EQ(flag, 16);
    EXPECT_EQ(choice, 5);
    EXPECT_EQ(perPage[0], 3);
    EXPECT_EQ(perPage[1], 7);
    EXPECT_EQ(perPage[2], 9);
    EXPECT_EQ(perPage[3], 14);
    EXPECT_EQ(perPage[4], 8);
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
