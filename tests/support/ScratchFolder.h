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

// Runs `body` in a child process as an unprivileged user when the tests run
// as root (who may write read-only files), else as ourselves. `body` returns
// an empty string on success or what went wrong; so does this.
std::string RunUnprivileged(const std::function<std::string()>& body);
