#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <vector>

#include "framework/core/Runtime.h"

bool GetWorkingDirectory(std::string& path) {
    std::vector<char> buffer(256);
    for (;;) {
        if (getcwd(buffer.data(), buffer.size()) != nullptr) {
            path = buffer.data();
            return true;
        }
        if (errno != ERANGE) return false;
        buffer.resize(buffer.size() * 2);
    }
}

bool ChangeWorkingDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

std::string CurrentExecutablePath(const char* fallback) {
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return fallback != nullptr ? fallback : "";
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::FILE* OpenRegularFileForReading(const std::string& fileName) {
    // Looked at before opening, so that a device is never opened at all:
    // opening one can act on the hardware behind it.
    struct stat info {};
    if (stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    // Without waiting, and checked again on what was opened: a pipe put in
    // the file's place meanwhile must not hold up the start.
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE* stream = fdopen(fd, "rb");
    if (stream == nullptr) close(fd);
    return stream;
}

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows a chain of symbolic links to the file they finally name, which
// need not exist yet.
std::string ResolveLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::vector<char> buffer(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
        const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size() - 1);
        if (length <= 0) return path;
        std::string target(buffer.data(), static_cast<std::size_t>(length));
        path = (target.front() == '/') ? target : FolderOf(path) + "/" + target;
    }
    return path;
}

// The access control list, kept by the kernel as an extended attribute.
constexpr const char* kAccessAcl = "system.posix_acl_access";

// The value of one extended attribute of `path`; false when it has none or
// cannot be read.
bool ReadAttribute(const std::string& path, const char* name, std::vector<char>& value) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = getxattr(path.c_str(), name, nullptr, 0);
        if (size < 0) return false;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = getxattr(path.c_str(), name, value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;  // ERANGE: it grew meanwhile
    }
    return false;
}

// Names of the extended attributes of `path`, NUL-separated; empty where
// the file system has none.
std::vector<char> AttributeNames(const std::string& path) {
    std::vector<char> names;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = listxattr(path.c_str(), nullptr, 0);
        if (size <= 0) return {};
        names.resize(static_cast<std::size_t>(size));
        const ssize_t got = listxattr(path.c_str(), names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return names;
        }
        if (errno != ERANGE) return {};
    }
    return {};
}

// Gives the new file the old one's access control list and extended
// attributes. An access list that cannot be carried over fails the save: the
// new file would open up to others or lock its owner out. An attribute the
// user may not set (another namespace's, a security label) is left behind.
bool CarryOverAttributes(const std::string& from, int to) {
    std::vector<char> value;
    if (ReadAttribute(from, kAccessAcl, value)) {
        if (fsetxattr(to, kAccessAcl, value.data(), value.size(), 0) != 0) return false;
    } else if (errno != ENODATA && errno != ENOTSUP) {
        return false;
    }
    const std::vector<char> names = AttributeNames(from);
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(&names[at]);
        at += name.size() + 1;
        if (name.empty() || name == kAccessAcl) continue;
        if (!ReadAttribute(from, name.c_str(), value)) continue;  // gone meanwhile, or not ours to read
        if (fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0) continue;
        if (errno == EPERM || errno == EACCES || errno == ENOTSUP) continue;
        return false;
    }
    return true;
}

// An unnamed file is given its name through its entry in /proc; without
// that, only a privileged process could name it.
constexpr const char* kOwnDescriptors = "/proc/self/fd";

bool LinkUnnamed(int fd, const std::string& name) {
    const std::string self = std::string(kOwnDescriptors) + "/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

std::string TemporaryName(const std::string& folder) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string name = folder + "/.quorvane-";
    for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

// Makes a rename in `folder` durable. Best effort: the new file has already
// taken the old one's place, so a failure here must not be told as a failed save.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

ReplacementFile::~ReplacementFile() { Abandon(); }

bool ReplacementFile::Begin(const std::string& fileName) {
    Abandon();
    m_target = ResolveLinks(fileName);
    struct stat info {};
    m_targetExists = stat(m_target.c_str(), &info) == 0;
    if (m_targetExists) {
        // Read-only means read-only, even to a user the system lets write anyway.
        if (!S_ISREG(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            access(m_target.c_str(), W_OK) != 0) {
            return false;
        }
        m_mode = info.st_mode & 07777;
        m_owner = static_cast<long>(info.st_uid);
        m_group = static_cast<long>(info.st_gid);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        m_mode = 0666u & ~static_cast<unsigned>(mask);
    }
    // Unnamed where the file system allows, so that a process killed before
    // the rename leaves nothing behind; else a hidden name of our own.
    const std::string folder = FolderOf(m_target);
    int fd = -1;
    if (access(kOwnDescriptors, X_OK) == 0) fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    m_unnamed = fd >= 0;
    if (!m_unnamed) {
        std::string name = folder + "/.quorvane-XXXXXX";
        fd = mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) return false;
        m_temporary = name;
    }
    m_stream = fdopen(fd, "wb");
    if (m_stream == nullptr) {
        close(fd);
        Abandon();
        return false;
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (m_stream == nullptr) return false;
    const int fd = fileno(m_stream);
    bool ok = std::fflush(m_stream) == 0 && std::ferror(m_stream) == 0;
    // Owner first: a change of owner clears the set-id bits that the mode then restores.
    if (ok && m_owner >= 0 && (fchown(fd, static_cast<uid_t>(m_owner), static_cast<gid_t>(m_group)) != 0)) {
        // Only a privileged user can give the file away; keeping our own is fine.
    }
    ok = ok && fchmod(fd, static_cast<mode_t>(m_mode)) == 0;
    // After the mode: an access list sets the group bits to its mask.
    ok = ok && (!m_targetExists || CarryOverAttributes(m_target, fd));
    ok = ok && fsync(fd) == 0;
    if (ok && stopBeforeNaming != nullptr) stopBeforeNaming();
    if (ok && m_unnamed) {
        // Named only now, just before the rename.
        ok = false;
        for (int attempt = 0; attempt < 100 && !ok; ++attempt) {
            const std::string name = TemporaryName(FolderOf(m_target));
            ok = LinkUnnamed(fd, name);
            if (ok) m_temporary = name;
            else if (errno != EEXIST) break;
        }
    }
    const bool closed = std::fclose(m_stream) == 0;
    m_stream = nullptr;
    ok = ok && closed && rename(m_temporary.c_str(), m_target.c_str()) == 0;
    if (!ok) {
        Abandon();
        return false;
    }
    m_temporary.clear();
    SyncFolder(FolderOf(m_target));
    return true;
}

void ReplacementFile::Abandon() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    m_unnamed = false;
}
