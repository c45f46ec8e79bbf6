#include "support/ScratchFolder.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string MakeUniqueFolder() {
#ifdef _WIN32
    // No mkdtemp here: try random names until one is new.
    std::random_device seed;
    std::mt19937 random(seed());
    for (;;) {
        const fs::path candidate = fs::temp_directory_path() / ("brindlewick-" + std::to_string(random()));
        if (fs::create_directory(candidate)) return candidate.string();
    }
#else
    std::string pattern = (fs::temp_directory_path() / "brindlewick-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    return mkdtemp(name.data());
#endif
}

}  // namespace

ScratchFolder::ScratchFolder() {
    m_path = MakeUniqueFolder();
    fs::permissions(m_path, fs::perms::all);  // an unprivileged child works here too
    m_previous = fs::current_path().string();
    fs::current_path(m_path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::current_path(m_previous, ignored);
    // Stepping with an error code: a destructor must not throw, even where
    // a path grows past what the platform can walk.
    for (fs::recursive_directory_iterator entry(m_path, ignored), end; !ignored && entry != end;
         entry.increment(ignored)) {
        fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

std::string ListFolder(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string list;
    for (const auto& name : names) list += name + " ";
    return list;
}

std::string RunInChild(const std::function<std::string()>& body, bool unprivileged) {
#ifdef _WIN32
    // No fork here, and the read-only attribute binds every user alike: the
    // bodies that reach this change nothing process-wide.
    (void)unprivileged;
    return body();
#else
    int channel[2];
    if (pipe(channel) != 0) return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        alarm(kChildSeconds);
        std::string outcome;
        if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            outcome = "cannot drop privileges";
        } else {
            outcome = body();
        }
        const ssize_t written = write(channel[1], outcome.data(), outcome.size());
        _exit(written == static_cast<ssize_t>(outcome.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string outcome;
    char buffer[512];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) outcome.append(buffer, static_cast<std::size_t>(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed: " + outcome;
    return outcome;
#endif
}
