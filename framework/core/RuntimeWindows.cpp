#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <string>
#include <vector>

#include "framework/core/Runtime.h"

bool GetWorkingDirectory(std::string& path) {
    // Asked with a buffer too small, the call answers with the size it needs,
    // so a path past the classic 260 bytes is returned whole.
    std::vector<char> buffer(MAX_PATH);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return false;
        if (length < buffer.size()) {
            path.assign(buffer.data(), length);
            return true;
        }
        buffer.resize(static_cast<std::size_t>(length) + 1);
    }
    return false;
}

bool ChangeWorkingDirectory(const std::string& path) { return SetCurrentDirectoryA(path.c_str()) != FALSE; }

std::string CurrentExecutablePath(const char* fallback) {
    // The call truncates silently, so grow until the answer is shorter than the buffer.
    std::vector<char> buffer(MAX_PATH);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) break;
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
    return fallback != nullptr ? fallback : "";
}

std::FILE* OpenRegularFileForReading(const std::string& fileName) {
    // The sharing the runtime's own open grants, so that other programs see no difference.
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || GetFileInformationByHandle(file, &info) == FALSE ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(file);
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        return nullptr;
    }
    std::FILE* stream = _fdopen(fd, "rb");
    if (stream == nullptr) _close(fd);
    return stream;
}

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        // "C:name" is relative to the drive's current folder.
        return (path.size() >= 2 && path[1] == ':') ? path.substr(0, 2) : ".";
    }
    return path.substr(0, slash + 1);
}

// The file a path finally names, through any symbolic links, so that a link
// stays a link and its target is what gets replaced.
std::string FinalPath(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return path;
    std::vector<char> buffer(MAX_PATH);
    DWORD length =
        GetFinalPathNameByHandleA(file, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    if (length >= buffer.size()) {
        buffer.resize(static_cast<std::size_t>(length) + 1);
        length =
            GetFinalPathNameByHandleA(file, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    }
    CloseHandle(file);
    if (length == 0 || length >= buffer.size()) return path;
    std::string final(buffer.data(), length);
    // "\\?\C:\..." names a drive path; a share ("\\?\UNC\...") keeps the long form.
    if (final.rfind(R"(\\?\)", 0) == 0 && final.size() > 6 && final[5] == ':') final.erase(0, 4);
    return final;
}

// The attributes a rewritten file keeps; the rest belong to the file system.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

}  // namespace

ReplacementFile::~ReplacementFile() { Abandon(); }

bool ReplacementFile::Begin(const std::string& fileName) {
    Abandon();
    m_target = fileName;
    DWORD attributes = GetFileAttributesA(m_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        m_target = FinalPath(fileName);
        attributes = GetFileAttributesA(m_target.c_str());
    }
    m_targetExists = attributes != INVALID_FILE_ATTRIBUTES;
    if (m_targetExists) {
        if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return false;
        // A file another program holds locked, or one the user may not write,
        // is refused now rather than found out after the edit.
        HANDLE probe =
            CreateFileA(m_target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE) return false;
        CloseHandle(probe);
        m_mode = attributes & kKeptAttributes;
    } else {
        m_mode = FILE_ATTRIBUTE_ARCHIVE;
    }

    // A name of our own beside the file, so that the final move stays on one volume.
    const std::string folder = FolderOf(m_target);
    const std::string separator = (folder == ".") ? "\\" : "";
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        m_temporary = folder + separator + ".quorvane-" + std::to_string(GetCurrentProcessId()) + "-" +
                      std::to_string(GetTickCount64()) + "-" + std::to_string(attempt) + ".tmp";
        handle =
            CreateFileA(m_temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (handle == INVALID_HANDLE_VALUE) {
        m_temporary.clear();
        return false;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        DeleteFileA(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    // Binary: the writer puts CR LF itself, and text mode would double the CR.
    m_stream = _fdopen(fd, "wb");
    if (m_stream == nullptr) {
        _close(fd);
        DeleteFileA(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (m_stream == nullptr) return false;
    bool ok = std::fflush(m_stream) == 0 && std::ferror(m_stream) == 0;
    ok = ok && _commit(_fileno(m_stream)) == 0;
    const bool closed = std::fclose(m_stream) == 0;
    m_stream = nullptr;
    ok = ok && closed && SetFileAttributesA(m_temporary.c_str(), m_mode) != FALSE;
    if (ok && stopBeforeNaming != nullptr) stopBeforeNaming();
    if (ok && m_targetExists) {
        // Replacing keeps the old file's security descriptor, attributes,
        // streams and creation time; a descriptor that cannot be carried over
        // fails it. The old file steps aside under a name of ours meanwhile,
        // so that a failure part way can put it back.
        const std::string aside = m_temporary + ".old";
        ok = ReplaceFileA(m_target.c_str(), m_temporary.c_str(), aside.c_str(), 0, nullptr, nullptr) != FALSE;
        if (!ok && GetFileAttributesA(m_target.c_str()) == INVALID_FILE_ATTRIBUTES) {
            MoveFileExA(aside.c_str(), m_target.c_str(), MOVEFILE_WRITE_THROUGH);
        }
        // Only once something stands in the file's place: else the old text
        // is safer under our name than gone.
        if (GetFileAttributesA(m_target.c_str()) != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesA(aside.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(aside.c_str());
        }
    } else if (ok) {
        ok = MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
             FALSE;
    }
    if (!ok) {
        SetFileAttributesA(m_temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(m_temporary.c_str());
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
        DeleteFileA(m_temporary.c_str());
        m_temporary.clear();
    }
}
