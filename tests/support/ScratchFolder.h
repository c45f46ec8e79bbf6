#pragma once

#include <functional>
#include <string>

// A fresh folder that is the working directory for the test's length.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    std::string m_previous;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// Names of the entries of a folder, sorted.
std::string ListFolder(const std::string& path);

// Runs `body` in a child process, so that it may change process-wide limits.
// With `unprivileged`, a root test run drops to an ordinary user first (root
// may write where nobody else can). `body` returns an empty string on
// success or what went wrong; so does this, or "killed by signal N" when the
// child was. A child still running after kChildSeconds is stopped (SIGALRM),
// so that a hang fails the test instead of stalling the run.
inline constexpr unsigned kChildSeconds = 20;
std::string RunInChild(const std::function<std::string()>& body, bool unprivileged);
