#pragma once

#include <cstdio>
#include <memory>
#include <string>

// The runtime library's process and file calls that the system relies on.

// The process's working directory, whatever its length.
bool GetWorkingDirectory(std::string& path);
bool ChangeWorkingDirectory(const std::string& path);

// Full path of the running executable; `fallback` where the platform cannot tell.
std::string CurrentExecutablePath(const char* fallback);

// A stream over `fileName` when it names a regular file once links are
// followed, else null. A pipe, a device, a socket or a folder counts as a
// file that cannot be opened, and opening never waits for a writer.
std::FILE* OpenRegularFileForReading(const std::string& fileName);

// A regular file opened for reading in binary mode, read through a buffer
// large enough that a big file is not taken in tiny reads.
class InputFile {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the file is absent, unreadable or not a regular file.
    bool Open(const std::string& fileName);
    std::FILE* Stream() const { return m_stream; }
    void Close();

private:
    std::FILE* m_stream = nullptr;
    std::unique_ptr<char[]> m_buffer;  // outlives the stream that reads through it
};

// Rewrites a file so that it is either wholly replaced or left exactly as it
// was: the new text goes to a temporary file in the same folder, which then
// takes the file's place in one step. A symbolic link stays a link and its
// target is replaced. The new file keeps what the old one carried: its
// permissions, owner and group, access control list and extended attributes
// on Linux; its security descriptor, attributes, streams and creation time on
// Windows. A file marked read-only is refused, whoever runs the program.
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

    // Test seam: when set, called by Commit once the new text is complete and
    // before it has been given a name; a test stops the process there.
    static inline void (*stopBeforeNaming)() = nullptr;

private:
    void Abandon();

    std::string m_target;     // the file that is replaced (a link's target)
    std::string m_temporary;  // the new text's name until it takes the target's place
    std::FILE* m_stream = nullptr;
    bool m_unnamed = false;   // the new text has no name yet (Linux)
    bool m_targetExists = false;
    unsigned m_mode = 0;
    long m_owner = -1;
    long m_group = -1;
};
