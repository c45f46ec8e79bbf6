#pragma once

#include <cstdio>
#include <string>

// The runtime library's process and file calls that the system relies on.

// The process's working directory, whatever its length.
bool GetWorkingDirectory(std::string& path);
bool ChangeWorkingDirectory(const std::string& path);

// Full path of the running executable; `fallback` where the platform cannot tell.
std::string CurrentExecutablePath(const char* fallback);

// Rewrites a file so that it is either wholly replaced or left exactly as it
// was: the new text goes to a temporary file in the same folder, which then
// takes the file's place in one step. A symbolic link stays a link and its
// target is replaced; the file's permissions carry over. A file marked
// read-only is refused, whoever runs the program.
class ReplacementFile {
public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the file may not be written or no temporary file can be made.
    bool Begin(const std::string& fileName);
    std::FILE* Stream() const { return m_stream; }
    // Flush, sync, close and replace. On false the old file is untouched
    // and the temporary file is gone.
    bool Commit();

private:
    void Abandon();

    std::string m_target;     // the file that is replaced (a link's target)
    std::string m_temporary;  // the new text until it takes the target's place
    std::FILE* m_stream = nullptr;
    bool m_targetExists = false;
    unsigned m_mode = 0;
    long m_owner = -1;
    long m_group = -1;
};
