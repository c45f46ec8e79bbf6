#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "config/ConfigFile.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

namespace {

// Streams over real temporary files, as the program reads and writes them.
EmulatorSettings Read(const std::string& bytes) {
    EmulatorSettings settings;
    std::FILE* stream = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::rewind(stream);
    LoadConfigFile(stream, settings);
    std::fclose(stream);
    return settings;
}

std::string Write(const EmulatorSettings& settings) {
    std::FILE* stream = std::tmpfile();
    EXPECT_TRUE(SaveConfigFile(stream, settings));
    std::string text(static_cast<std::size_t>(std::ftell(stream)), '\0');
    std::rewind(stream);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), stream), text.size());
    std::fclose(stream);
    return text;
}

struct ReadCase {
    const char* name;
    std::string file;
    std::function<bool(const EmulatorSettings&)> holds;
};

}  // namespace

TEST(ConfigFileRead, FollowsTheLineRules) {
    const std::string long300 = "TapePath=" + std::string(246, 'a') + std::string(45, 'b');
    const ReadCase cases[] = {
        {"comments and blanks only", "; x\r\n\r\n   \r\n; TapePath=x\n", [](auto& s) { return s == EmulatorSettings(); }},
        {"empty flag value sets", "DriveD=\n", [](auto& s) { return s.DriveD; }},
        {"flag 0 sets", "Log=0\n", [](auto& s) { return s.Log; }},
        {"flag false sets", "Log=false\n", [](auto& s) { return s.Log; }},
        {"flag n clears", "DriveA=nope\n", [](auto& s) { return !s.DriveA; }},
        {"flag blank-No sets", "Log= No\n", [](auto& s) { return s.Log; }},
        {"cpu later 6502 keeps 65C02", "Cpu=65C02\nCpu=6502\n", [](auto& s) { return s.Cpu == 1; }},
        {"cpu lower case prefix", "Cpu=65c02x\n", [](auto& s) { return s.Cpu == 1; }},
        {"cpu W65C02 nothing", "Cpu=W65C02\n", [](auto& s) { return s.Cpu == 0; }},
        {"cpu blank-65C02 nothing", "Cpu= 65C02\n", [](auto& s) { return s.Cpu == 0; }},
        {"ram 2", "RamPattern=2\n", [](auto& s) { return s.RamPattern == 2; }},
        {"ram 3", "RamPattern=3\n", [](auto& s) { return s.RamPattern == 3; }},
        {"ram 4 is 0", "RamPattern=4\n", [](auto& s) { return s.RamPattern == 0; }},
        {"ram -1 is 1", "RamPattern=-1\n", [](auto& s) { return s.RamPattern == 1; }},
        {"ram empty is 0", "RamPattern=3\nRamPattern=\n", [](auto& s) { return s.RamPattern == 0; }},
        {"ram blank-2 is 0", "RamPattern= 2\n", [](auto& s) { return s.RamPattern == 0; }},
        {"joystick ijk is PASE", "Joystick=ijk\n", [](auto& s) { return s.Joystick == 1; }},
        {"joystick IJK trailing blanks", "Joystick=IJK   \r\n", [](auto& s) { return s.Joystick == 2; }},
        {"joystick Yes is PASE", "Joystick=Yes\n", [](auto& s) { return s.Joystick == 1; }},
        {"joystick blank-IJK is PASE", "Joystick= IJK\n", [](auto& s) { return s.Joystick == 1; }},
        {"joystick No", "Joystick=IJK\nJoystick=no\n", [](auto& s) { return s.Joystick == 0; }},
        {"pb5 strobe lower is Switch", "SelectRomWithPB5=strobe\n", [](auto& s) { return s.SelectRomWithPB5 == 1; }},
        {"pb5 Strobe2", "SelectRomWithPB5=Strobe2\n", [](auto& s) { return s.SelectRomWithPB5 == 2; }},
        {"pb5 No", "SelectRomWithPB5=N\n", [](auto& s) { return s.SelectRomWithPB5 == 0; }},
        {"vga q is X", "VGAMode=q\n", [](auto& s) { return s.VGAMode == 0; }},
        {"vga Q", "VGAMode=Quick\n", [](auto& s) { return s.VGAMode == 1; }},
        {"vga blank-Q is X", "VGAMode= Q\n", [](auto& s) { return s.VGAMode == 0; }},
        {"lower-case key ignored", "tapepath=x\nprintnuls=Yes\n", [](auto& s) { return s.TapePath.empty() && !s.PrintNULs; }},
        {"blank before key", " TapePath=x\n", [](auto& s) { return s.TapePath.empty(); }},
        {"blank before =", "TapePath =x\n", [](auto& s) { return s.TapePath.empty(); }},
        {"blank after = kept", "TapePath= x\n", [](auto& s) { return s.TapePath == " x"; }},
        {"trailing blanks go, tab stays", "RomPath=C:\\R  \r\nDiskPath=d\t\n",
         [](auto& s) { return s.RomPath == "C:\\R" && s.DiskPath == "d\t"; }},
        {"last occurrence wins", "TapePath=a\nTapePath=b\n", [](auto& s) { return s.TapePath == "b"; }},
        {"value with =", "TapePath=a=b\n", [](auto& s) { return s.TapePath == "a=b"; }},
        {"no final newline", "Mouse=Yes", [](auto& s) { return s.Mouse; }},
        {"CR LF and LF alike", "Mouse=Yes\r\nLog=Yes\n", [](auto& s) { return s.Mouse && s.Log; }},
        {"300-char line cut at 255", long300 + "\nMouse=Yes\n",
         [](auto& s) { return s.TapePath == std::string(246, 'a') && s.Mouse; }},
        {"rest of a long line read as a line", "TapePath=" + std::string(246, 'a') + "Mouse=Yes\n",
         [](auto& s) { return s.Mouse; }},
        {"NUL ends the piece", std::string("TapePath=ab\0cd\nMouse=Yes\n", 25),
         [](auto& s) { return s.TapePath == "ab" && s.Mouse; }},
        {"binary bytes", std::string("\xff\xfe\x01=\x80\nBank1=\xe9t\xe9\n"), [](auto& s) { return s.Bank1 == "\xe9t\xe9"; }},
        {"empty file", "", [](auto& s) { return s == EmulatorSettings(); }},
    };
    for (const ReadCase& c : cases) EXPECT_TRUE(c.holds(Read(c.file))) << c.name;
}

TEST(ConfigFileRead, HandlesHugeFilesOfEndlessLines) {
    std::string big(8 << 20, 'x');
    for (std::size_t i = 0; i < big.size(); i += 997) big[i] = (i % 3 == 0) ? '\0' : '\n';
    big += "\nFixCRs=No";
    const EmulatorSettings settings = Read(big);
    EXPECT_FALSE(settings.FixCRs);
}

TEST(ConfigFileRead, SameRulesWhereverTheLinesFallInALargeFile) {
    // The reader takes the file in blocks of 128 KiB: a long line cut in
    // pieces, a NUL and the lines after them are placed at every offset
    // around the end of the first block.
    const std::string lines = "TapePath=" + std::string(246, 'a') + "DriveA=No\r\n" +
                              std::string("DumpFile=ab\0cd\nMouse=Yes\n", 25);
    constexpr std::size_t kBlock = 128 * 1024;
    for (std::size_t at = kBlock - 300; at <= kBlock + 20; ++at) {
        std::string file;
        while (at - file.size() > 64) file += std::string(63, ';') + "\n";
        if (at > file.size()) file += std::string(at - file.size() - 1, ';') + "\n";
        const EmulatorSettings settings = Read(file + lines);
        EXPECT_TRUE(settings.TapePath == std::string(246, 'a') && !settings.DriveA && settings.DumpFile == "ab" &&
                    settings.Mouse)
            << "lines at " << at;
    }
}

TEST(ConfigFileWrite, DefaultsGiveTheCanonicalFileByteForByte) {
    EXPECT_EQ(Write(EmulatorSettings()), DefaultFileText());
}

TEST(ConfigFileWrite, ChoicesWithoutAButtonAndUnsafeTexts) {
    EmulatorSettings settings;
    settings.RamPattern = -1;
    settings.Joystick = 3;
    settings.SelectRomWithPB5 = -1;
    settings.Cpu = 7;
    settings.VGAMode = -1;
    settings.TapePath = std::string("a\nTapePath=evil", 15);
    settings.DiskPath = std::string("d\0e", 3);
    const std::string text = Write(settings);
    EXPECT_NE(text.find("\r\nRamPattern=-1\r\nDriveA=Yes\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Joystick="), std::string::npos);
    EXPECT_EQ(text.find("SelectRomWithPB5="), std::string::npos);
    EXPECT_NE(text.find("\r\nCpu=65C02\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVGAMode=Q\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTapePath=a\r\nDiskPath=d\r\n"), std::string::npos);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.find("evil"), std::string::npos);
}

TEST(ConfigFileWrite, ReportsAFailedWrite) {
    // A stream open for reading only refuses every write.
#ifdef _WIN32
    // Windows' runtime cannot reopen a stream by its handle alone.
    ScratchFolder folder;
    WriteFile("readable", "");
    std::FILE* reopened = std::fopen("readable", "rb");
#else
    std::FILE* readOnly = std::tmpfile();
    std::FILE* reopened = std::freopen(nullptr, "rb", readOnly);
#endif
    ASSERT_NE(reopened, nullptr);
    EXPECT_FALSE(SaveConfigFile(reopened, EmulatorSettings()));
    std::fclose(reopened);
}

TEST(ConfigFileRoundTrip, ReadWriteReadIsStable) {
    EmulatorSettings changed;
    changed.TapePath = "C:\\Tapes";
    changed.RomPath = "/roms\tx";
    changed.Bank2 = "b\xe9.rom";
    changed.Mouse = true;
    changed.Cpu = 1;
    changed.RamPattern = 3;
    changed.Joystick = 2;
    changed.SelectRomWithPB5 = 1;
    changed.DriveA = false;
    changed.PrinterOutput = "";
    changed.VGAMode = 1;
    const std::string once = Write(changed);
    EXPECT_EQ(Read(once), changed);
    EXPECT_EQ(Write(Read(once)), once);
    // A text that ends in blanks loses them, and -1 reads back as Type 2.
    changed.TapePath = "x  ";
    changed.RamPattern = -1;
    const EmulatorSettings again = Read(Write(changed));
    EXPECT_EQ(again.TapePath, "x");
    EXPECT_EQ(again.RamPattern, 1);
}
