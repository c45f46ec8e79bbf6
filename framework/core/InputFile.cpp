#include "framework/core/Runtime.h"

InputFile::~InputFile() { Close(); }

bool InputFile::Open(const std::string& fileName) {
    Close();
    m_stream = OpenRegularFileForReading(fileName);
    if (m_stream == nullptr) return false;
    // The runtime's own buffer is a few KiB, one system call each.
    m_buffer = std::make_unique<char[]>(kBufferSize);
    if (std::setvbuf(m_stream, m_buffer.get(), _IOFBF, kBufferSize) != 0) m_buffer.reset();
    return true;
}

void InputFile::Close() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    m_buffer.reset();
}
