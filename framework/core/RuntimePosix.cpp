#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
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
    std::string pattern = FolderOf(m_target) + "/.quorvane-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    m_temporary = name.data();
    m_stream = fdopen(fd, "wb");
    if (m_stream == nullptr) {
        close(fd);
        unlink(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (m_stream == nullptr) return false;
    const int fd = fileno(m_stream);
    bool ok = std::fflush(m_stream) == 0 && std::ferror(m_stream) == 0;
    ok = ok && fchmod(fd, static_cast<mode_t>(m_mode)) == 0;
    if (ok && m_owner >= 0 && (fchown(fd, static_cast<uid_t>(m_owner), static_cast<gid_t>(m_group)) != 0)) {
        // Only a privileged user can give the file away; keeping our own is fine.
    }
    ok = ok && fsync(fd) == 0;
    const bool closed = std::fclose(m_stream) == 0;
    m_stream = nullptr;
    ok = ok && closed && rename(m_temporary.c_str(), m_target.c_str()) == 0;
    if (!ok) {
        unlink(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    m_temporary.clear();
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
}
