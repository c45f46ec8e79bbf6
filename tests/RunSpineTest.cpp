#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <functional>

#include "framework/core/Constants.h"
#include "framework/core/Runtime.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotWrite = "Cannot write to Quorvane.ini file";

const std::string kOldFile =
    "; hand-written\r\nunknown=1\r\nMouse=Yes\r\nTapePath=/tapes\r\nLog=Yes\r\nLog=No\r\n";

// A whole run in this process that presses OK; empty when the save was
// refused with the message, else what happened instead.
std::string OkReportsCannotWrite() {
    HeadlessBackend backend;
    backend.SetScript([](HeadlessUser& user) { user.PressOK(); });
    RunProgram(backend);
    if (backend.messageBoxes.size() != 1 || backend.messageBoxes[0].text != kCannotWrite) return "no message";
    return "";
}

// A whole run that must stop at the start: the folder's path shown, no
// sheet, exit status 0. Empty when it did, else what happened instead.
std::string RunShowsOnlyTheFolder() {
    HeadlessBackend backend;
    const int status = RunProgram(backend);
    std::string here;
    GetWorkingDirectory(here);
    if (status != 0) return "exit status " + std::to_string(status);
    if (!backend.sheets.empty()) return "the sheet opened";
    if (backend.messageBoxes.size() != 1 || backend.messageBoxes[0].text != here) return "no folder message";
    return "";
}

#ifndef _WIN32
bool MakeSocket(const char* name) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", name);
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) close(fd);
    return bound;
}
#endif

class RunSpine : public ::testing::Test {
protected:
    void PressOk() {
        backend.SetScript([](HeadlessUser& user) { user.PressOK(); });
    }
    // The written file when `kOldFile` was read and OK pressed unchanged.
    static std::string CanonicalOfOldFile() {
        std::string text = DefaultFileText();
        text.replace(text.find("TapePath=\r\n"), 11, "TapePath=/tapes\r\n");
        text.replace(text.find("Mouse=No"), 8, "Mouse=Yes");
        return text;
    }

    ScratchFolder folder;
    HeadlessBackend backend;
};

}  // namespace

TEST_F(RunSpine, WithoutAFileShowsTheFolderAndTouchesNothing) {
    EXPECT_EQ(RunProgram(backend), 0);
    ASSERT_EQ(backend.messageBoxes.size(), 1u);
    EXPECT_EQ(backend.messageBoxes[0].text, folder.Path());
    EXPECT_EQ(backend.messageBoxes[0].caption, "brindlewick");
    EXPECT_EQ(backend.messageBoxes[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_FALSE(backend.messageBoxes[0].hadOwner);
    EXPECT_TRUE(backend.sheets.empty());
    EXPECT_EQ(ListFolder(folder.Path()), "");
}

// Only a regular file one may read is opened; anything else in its place
// counts as no file, without waiting on it or reading from it. Each run is
// bounded in time, so that a hang fails here.
TEST_F(RunSpine, AnythingButAReadableRegularFileCountsAsNoFile) {
    struct FileObject {
        const char* name;
        std::function<bool()> make;
    };
    const FileObject objects[] = {
        {"folder", [] { return fs::create_directory("quorvane.ini"); }},
#ifndef _WIN32
        {"named pipe without a writer", [] { return mkfifo("quorvane.ini", 0666) == 0; }},
        {"link to /dev/zero", [] { return symlink("/dev/zero", "quorvane.ini") == 0; }},
        {"socket", [] { return MakeSocket("quorvane.ini"); }},
        {"dangling link", [] { return symlink("absent.ini", "quorvane.ini") == 0; }},
        {"link loop",
         [] { return symlink("loop.ini", "quorvane.ini") == 0 && symlink("quorvane.ini", "loop.ini") == 0; }},
        {"unreadable file",
         [] {
             WriteFile("quorvane.ini", kOldFile);
             return chmod("quorvane.ini", 0200) == 0;
         }},
#endif
    };
    for (const FileObject& object : objects) {
        SCOPED_TRACE(object.name);
        ScratchFolder here;
        ASSERT_TRUE(object.make());
        const std::string before = ListFolder(here.Path());
        // Unprivileged: root reads a file whatever its mode.
        EXPECT_EQ(RunInChild(RunShowsOnlyTheFolder, true), "");
        EXPECT_EQ(ListFolder(here.Path()), before);
    }
}

TEST_F(RunSpine, EmptyFileOpensTheDefaultsAndOkWritesTheDefaultFile) {
    WriteFile("quorvane.ini", "");
    PressOk();
    EXPECT_EQ(RunProgram(backend), 0);
    ASSERT_EQ(backend.sheets.size(), 1u);
    const auto& sheet = backend.sheets[0];
    EXPECT_EQ(sheet.caption, "Brindlewick");
    EXPECT_FALSE(sheet.hasParent);
    EXPECT_EQ(sheet.pageTitles, (std::vector<std::string>{"Paths", "Oric", "Telestrat", "Add-ons", "System"}));
    EXPECT_EQ(backend.enable3dCalls, 1);
    EXPECT_TRUE(backend.messageBoxes.empty());
    EXPECT_EQ(ReadFile("quorvane.ini"), DefaultFileText());
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST_F(RunSpine, OkRewritesInCanonicalForm) {
    WriteFile("quorvane.ini", kOldFile);
    PressOk();
    EXPECT_EQ(RunProgram(backend), 0);
    EXPECT_EQ(ReadFile("quorvane.ini"), CanonicalOfOldFile());
}

TEST_F(RunSpine, CancelAndClosingLeaveTheFileAlone) {
    for (const bool pressCancel : {true, false}) {
        WriteFile("quorvane.ini", kOldFile);
        const auto before = fs::last_write_time("quorvane.ini") - std::chrono::hours(1);
        fs::last_write_time("quorvane.ini", before);
        backend.SetScript([pressCancel](HeadlessUser& user) {
            user.ReplaceText(1001, "/elsewhere");
            if (pressCancel) user.PressCancel();  // else the window is closed
        });
        EXPECT_EQ(RunProgram(backend), 0);
        EXPECT_EQ(ReadFile("quorvane.ini"), kOldFile);
        EXPECT_EQ(fs::last_write_time("quorvane.ini"), before);
    }
}

TEST_F(RunSpine, ReadOnlyFileIsReportedAndKept) {
    WriteFile("quorvane.ini", kOldFile);
    fs::permissions("quorvane.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    PressOk();
    EXPECT_EQ(RunProgram(backend), 0);
    ASSERT_EQ(backend.messageBoxes.size(), 1u);
    EXPECT_EQ(backend.messageBoxes[0].text, kCannotWrite);
    EXPECT_FALSE(backend.messageBoxes[0].hadOwner);
    EXPECT_EQ(ReadFile("quorvane.ini"), kOldFile);
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST_F(RunSpine, ReadOnlyFolderIsReportedAndKept) {
#ifdef _WIN32
    GTEST_SKIP() << "a folder's read-only attribute does not stop writes into it on Windows";
#endif
    WriteFile("quorvane.ini", kOldFile);
    fs::permissions("quorvane.ini", fs::perms::all);
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string failure = RunInChild(
        OkReportsCannotWrite,
        true);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(ReadFile("quorvane.ini"), kOldFile);
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST_F(RunSpine, FullDiskIsReportedAndCostsNothing) {
#ifdef _WIN32
    GTEST_SKIP() << "no file-size limit to stand in for a full disk on Windows";
#else
    WriteFile("quorvane.ini", kOldFile);
    const std::string failure = RunInChild(
        [] {
            // The file-size limit stands in for a disk that fills up mid-write.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{200, 200};
            setrlimit(RLIMIT_FSIZE, &limit);
            return OkReportsCannotWrite();
        },
        false);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(ReadFile("quorvane.ini"), kOldFile);
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
#endif
}

TEST_F(RunSpine, WritesWhereItStartedWhateverTheDirectoryBecame) {
    WriteFile("quorvane.ini", kOldFile);
    fs::create_directory("elsewhere");
    WriteFile("elsewhere/quorvane.ini", "x");
    backend.SetScript([this](HeadlessUser& user) {
        ASSERT_TRUE(ChangeWorkingDirectory(folder.PathOf("elsewhere")));
        user.PressOK();
    });
    EXPECT_EQ(RunProgram(backend), 0);
    EXPECT_EQ(ReadFile(folder.PathOf("quorvane.ini")), CanonicalOfOldFile());
    EXPECT_EQ(ReadFile(folder.PathOf("elsewhere/quorvane.ini")), "x");
}

TEST_F(RunSpine, LongWorkingDirectoryIsRecordedWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "a Windows process cannot stand in a directory past 260 bytes without long-path support";
#endif
    std::string deep = folder.Path();
    for (int i = 0; i < 6; ++i) deep += "/" + std::string(60, static_cast<char>('a' + i));
    fs::create_directories(deep);
    ASSERT_GT(deep.size(), 300u);
    ASSERT_TRUE(ChangeWorkingDirectory(deep));
    EXPECT_EQ(RunProgram(backend), 0);
    ASSERT_EQ(backend.messageBoxes.size(), 1u);
    EXPECT_EQ(backend.messageBoxes[0].text, deep);

    WriteFile("quorvane.ini", kOldFile);
    backend.SetScript([this](HeadlessUser& user) {
        ASSERT_TRUE(ChangeWorkingDirectory(folder.Path()));
        user.PressOK();
    });
    EXPECT_EQ(RunProgram(backend), 0);
    EXPECT_EQ(ReadFile(deep + "/quorvane.ini"), CanonicalOfOldFile());
    EXPECT_FALSE(FileExists(folder.PathOf("quorvane.ini")));
}

TEST_F(RunSpine, KeepsPermissionsAndSymbolicLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX modes; Windows links and attributes have tests of their own";
#endif
    fs::create_directory("real");
    WriteFile("real/settings.ini", kOldFile);
    fs::permissions("real/settings.ini", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/settings.ini", "quorvane.ini");
    PressOk();
    EXPECT_EQ(RunProgram(backend), 0);
    EXPECT_TRUE(fs::is_symlink("quorvane.ini"));
    EXPECT_EQ(ReadFile("real/settings.ini"), CanonicalOfOldFile());
    EXPECT_EQ(fs::status("real/settings.ini").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ListFolder(folder.PathOf("real")), "settings.ini ");
}
