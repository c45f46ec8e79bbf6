#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/core/Runtime.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

// The file as Windows' runtime and file system handle it: bytes on disk,
// attributes, and files other programs hold open.

namespace {

std::string RunAndConfirm(HeadlessBackend& backend) {
    backend.SetScript([](HeadlessUser& user) { user.PressOK(); });
    RunProgram(backend);
    return ReadFile("quorvane.ini");
}

std::string WithText(std::string file, const std::string& line, const std::string& replacement) {
    file.replace(file.find(line), line.size(), replacement);
    return file;
}

}  // namespace

TEST(WindowsFile, ReadsBytesAndWritesCrLfWithoutTextModeTranslation) {
    ScratchFolder folder;
    // Text mode would stop at Ctrl+Z and fold CR LF; the file is read as bytes.
    WriteFile("quorvane.ini",
              "TapePath=a\x1a"
              "b\nDiskPath=d\r\r\nRomPath=r\rx\r\n");
    HeadlessBackend backend;
    std::string expected = WithText(DefaultFileText(), "TapePath=\r\n",
                                    "TapePath=a\x1a"
                                    "b\r\n");
    expected = WithText(expected, "DiskPath=\r\n", "DiskPath=d\r\n");
    expected = WithText(expected, "RomPath=\r\n", "RomPath=r\rx\r\n");
    EXPECT_EQ(RunAndConfirm(backend), expected);
    EXPECT_TRUE(backend.messageBoxes.empty());
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST(WindowsFile, ReadOnlyAttributeRefusesTheWriteAndKeepsTheFile) {
    ScratchFolder folder;
    WriteFile("quorvane.ini", "Log=Yes\n");
    ASSERT_TRUE(SetFileAttributesA("quorvane.ini", FILE_ATTRIBUTE_READONLY));
    HeadlessBackend backend;
    EXPECT_EQ(RunAndConfirm(backend), "Log=Yes\n");
    ASSERT_EQ(backend.messageBoxes.size(), 1u);
    EXPECT_EQ(backend.messageBoxes[0].text, "Cannot write to Quorvane.ini file");
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
    SetFileAttributesA("quorvane.ini", FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsFile, AFileHeldOpenByAnotherProgramIsLeftAsItWas) {
    ScratchFolder folder;
    WriteFile("quorvane.ini", "old\r\n");
    ReplacementFile file;
    ASSERT_TRUE(file.Begin("quorvane.ini"));
    std::fputs("new\r\n", file.Stream());
    // Another program opens the file for reading and lets nobody rename it.
    HANDLE holder = CreateFileA("quorvane.ini", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(file.Commit());
    CloseHandle(holder);
    EXPECT_EQ(ReadFile("quorvane.ini"), "old\r\n");
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");

    // Held open without sharing writes, it is refused before anything is made.
    holder = CreateFileA("quorvane.ini", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ReplacementFile second;
    EXPECT_FALSE(second.Begin("quorvane.ini"));
    CloseHandle(holder);
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST(WindowsFile, ReplacingKeepsTheHiddenAttribute) {
    ScratchFolder folder;
    WriteFile("quorvane.ini", "old\r\n");
    ASSERT_TRUE(SetFileAttributesA("quorvane.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ReplacementFile file;
    ASSERT_TRUE(file.Begin("quorvane.ini"));
    std::fputs("new\r\n", file.Stream());
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFile("quorvane.ini"), "new\r\n");
    EXPECT_NE(GetFileAttributesA("quorvane.ini") & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST(WindowsFile, ReplacingKeepsAnAlternateDataStream) {
    ScratchFolder folder;
    WriteFile("quorvane.ini", "old\r\n");
    HANDLE stream = CreateFileA("quorvane.ini:origin", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (stream == INVALID_HANDLE_VALUE) {
        GTEST_SKIP() << "no alternate data streams here (error " << GetLastError() << " making one)";
    }
    DWORD written = 0;
    const bool made = ::WriteFile(stream, "sample", 6, &written, nullptr) && written == 6;
    CloseHandle(stream);
    ASSERT_TRUE(made);
    // Where streams are not supported, the name may make a file of its own.
    if (ListFolder(folder.Path()) != "quorvane.ini ") {
        GTEST_SKIP() << "no alternate data streams here: the stream's name made a file of its own";
    }
    ReplacementFile file;
    ASSERT_TRUE(file.Begin("quorvane.ini"));
    std::fputs("new\r\n", file.Stream());
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFile("quorvane.ini"), "new\r\n");
    EXPECT_EQ(ReadFile("quorvane.ini:origin"), "sample");
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST(WindowsFile, WorkingDirectoryAndExecutablePath) {
    ScratchFolder folder;
    std::string here;
    ASSERT_TRUE(GetWorkingDirectory(here));
    // Windows answers with backslashes and a drive; the folder is the same.
    char full[MAX_PATH] = {};
    ASSERT_NE(GetFullPathNameA(folder.Path().c_str(), MAX_PATH, full, nullptr), 0u);
    EXPECT_EQ(here, full);
    const std::string nested = here + "\\" + std::string(150, 'n');
    ASSERT_TRUE(CreateDirectoryA(nested.c_str(), nullptr));
    ASSERT_TRUE(ChangeWorkingDirectory(nested));
    std::string deeper;
    ASSERT_TRUE(GetWorkingDirectory(deeper));
    EXPECT_EQ(deeper, nested);
    EXPECT_TRUE(ChangeWorkingDirectory(here));

    const std::string self = CurrentExecutablePath(nullptr);
    EXPECT_EQ(self.substr(self.size() - 4), ".exe");
    EXPECT_EQ(GetFileAttributesA(self.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(WindowsFile, ALinkStaysALinkAndItsTargetIsReplaced) {
    ScratchFolder folder;
    ASSERT_TRUE(CreateDirectoryA("real", nullptr));
    WriteFile("real\\settings.ini", "old\r\n");
    // Some systems answer yes and make nothing (Wine 8 among them).
    const bool made =
        CreateSymbolicLinkA("quorvane.ini", "real\\settings.ini", SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    const DWORD link = GetFileAttributesA("quorvane.ini");
    if (!made || link == INVALID_FILE_ATTRIBUTES || (link & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        GTEST_SKIP() << "no symbolic links here for this user";
    }
    ReplacementFile file;
    ASSERT_TRUE(file.Begin("quorvane.ini"));
    std::fputs("new\r\n", file.Stream());
    ASSERT_TRUE(file.Commit());
    EXPECT_NE(GetFileAttributesA("quorvane.ini") & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    EXPECT_EQ(ReadFile("real\\settings.ini"), "new\r\n");
    EXPECT_EQ(ListFolder(folder.PathOf("real")), "settings.ini ");
}
