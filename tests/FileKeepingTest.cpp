#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

#include "framework/core/Runtime.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

// What a save carries over from the file it replaces on Linux, and what a
// save cut short leaves behind.

namespace {

constexpr const char* kOldFile = "Mouse=Yes\r\n";
constexpr const char* kAccessAcl = "system.posix_acl_access";
constexpr std::uint32_t kNobody = 65534;

// An access list in the kernel's attribute form: a version, then entries of
// tag, permissions and id, in tag order.
struct AclEntry {
    std::uint16_t tag;
    std::uint16_t permissions;
    std::uint32_t id;
};
constexpr std::uint16_t kUserObj = 0x01, kUser = 0x02, kGroupObj = 0x04, kMask = 0x10, kOther = 0x20;
constexpr std::uint32_t kNoId = 0xFFFFFFFF;

std::string AccessList(std::initializer_list<AclEntry> entries) {
    const std::uint32_t version = 2;
    std::string blob(reinterpret_cast<const char*>(&version), sizeof version);
    for (const AclEntry& entry : entries) blob.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    return blob;
}

// The attribute's value, or "(none)".
std::string Attribute(const char* path, const char* name) {
    char value[1024];
    const ssize_t size = getxattr(path, name, value, sizeof value);
    return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

bool SetAttribute(const char* path, const char* name, const std::string& value) {
    return setxattr(path, name, value.data(), value.size(), 0) == 0;
}

// A whole run that presses OK; empty when it saved without a message.
std::string OkSavesQuietly() {
    HeadlessBackend backend;
    backend.SetScript([](HeadlessUser& user) { user.PressOK(); });
    RunProgram(backend);
    return backend.messageBoxes.empty() ? "" : "message: " + backend.messageBoxes[0].text;
}

// u::rw-, u:nobody:rw-, g::r--, m::rw-, o::--- on a 0640 file.
const std::string kNamedUserMayWrite = AccessList({{kUserObj, 6, kNoId},
                                                   {kUser, 6, kNobody},
                                                   {kGroupObj, 4, kNoId},
                                                   {kMask, 6, kNoId},
                                                   {kOther, 0, kNoId}});

}  // namespace

TEST(FileKeeping, ASaveKeepsTheAccessListAttributesOwnerAndMode) {
    ScratchFolder folder;
    WriteFile("quorvane.ini", kOldFile);
    ASSERT_EQ(chmod("quorvane.ini", 0640), 0);
    if (!SetAttribute("quorvane.ini", kAccessAcl, kNamedUserMayWrite)) {
        GTEST_SKIP() << "the test folder's file system takes no access control lists";
    }
    if (!SetAttribute("quorvane.ini", "user.origin", "sample")) {
        GTEST_SKIP() << "the test folder's file system takes no user extended attributes";
    }
    // Run as root, the file belongs to someone else and keeps its owner.
    if (geteuid() == 0) {
        ASSERT_EQ(chown("quorvane.ini", kNobody, kNobody), 0);
    }
    struct stat before {};
    ASSERT_EQ(stat("quorvane.ini", &before), 0);
    const std::string acl = Attribute("quorvane.ini", kAccessAcl);

    EXPECT_EQ(OkSavesQuietly(), "");
    EXPECT_NE(ReadFile("quorvane.ini"), kOldFile);
    struct stat after {};
    ASSERT_EQ(stat("quorvane.ini", &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not rewritten in place
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(Attribute("quorvane.ini", kAccessAcl), acl);
    EXPECT_EQ(Attribute("quorvane.ini", "user.origin"), "sample");
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST(FileKeeping, AnAttributeTheUserMayNotSetIsLeftBehind) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give a file an attribute its owner may not set";
    ScratchFolder folder;
    WriteFile("quorvane.ini", kOldFile);
    ASSERT_EQ(chmod("quorvane.ini", 0640), 0);
    ASSERT_EQ(chown("quorvane.ini", kNobody, kNobody), 0);
    if (!SetAttribute("quorvane.ini", "security.brindlewick", "label") ||
        !SetAttribute("quorvane.ini", "user.origin", "sample")) {
        GTEST_SKIP() << "cannot set a \"security.\" and a \"user.\" attribute here (no CAP_SYS_ADMIN, or the "
                        "file system takes none)";
    }
    // The file's owner, an ordinary user, saves: only privilege sets "security.".
    EXPECT_EQ(RunInChild(OkSavesQuietly, true), "");
    EXPECT_NE(ReadFile("quorvane.ini"), kOldFile);
    EXPECT_EQ(Attribute("quorvane.ini", "user.origin"), "sample");
    EXPECT_EQ(Attribute("quorvane.ini", "security.brindlewick"), "(none)");
    EXPECT_EQ(ListFolder(folder.Path()), "quorvane.ini ");
}

TEST(FileKeeping, ASaveStoppedBeforeTheRenameLeavesNoFileBehind) {
    ScratchFolder folder;
    const int probe = open(".", O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) GTEST_SKIP() << "the test folder's file system makes no unnamed files";
    close(probe);
    WriteFile("quorvane.ini", kOldFile);
    // Left by someone else: no run deletes what it did not make.
    WriteFile(".quorvane-Xq3f9a", "stale");
    const std::string outcome = RunInChild(
        [] {
            ReplacementFile::stopBeforeNaming = [] { std::raise(SIGKILL); };
            OkSavesQuietly();
            return std::string("the save was not stopped");
        },
        false);
    EXPECT_EQ(outcome, "killed by signal " + std::to_string(SIGKILL));
    EXPECT_EQ(ReadFile("quorvane.ini"), kOldFile);
    EXPECT_EQ(ListFolder(folder.Path()), ".quorvane-Xq3f9a quorvane.ini ");

    EXPECT_EQ(OkSavesQuietly(), "");
    EXPECT_NE(ReadFile("quorvane.ini"), kOldFile);
    EXPECT_EQ(ListFolder(folder.Path()), ".quorvane-Xq3f9a quorvane.ini ");
}
