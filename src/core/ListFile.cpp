#include "core/ListFile.h"

#include <utility>

namespace core {

void StripLineBreak(std::string& line) {
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
    }
}

ListFileReader::ListFileReader(const std::string& path) : m_file(files::OpenRegular(path, files::Access::Read)) {}

bool ListFileReader::ReadLine(std::string& line, size_t maxChars) {
    std::FILE* file = m_file.get();
    line.clear();
    int c = 0;
    while (line.size() < maxChars && (c = std::getc(file)) != EOF) {
        if (c == '\r') {
            int next = std::getc(file);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, file);
            }
        }
        line.push_back(static_cast<char>(c));
        if (c == '\n') {
            break;
        }
    }
    return !line.empty();
}

ListFileAppender::ListFileAppender(const std::string& path) : m_file(files::OpenRegular(path, files::Access::Append)) {
    // Unbuffered, so that nothing of a failed write waits in a buffer to reach the file later.
    if (m_file != nullptr && std::setvbuf(m_file.get(), nullptr, _IONBF, 0) == 0 &&
        std::fseek(m_file.get(), 0, SEEK_END) == 0) {
        m_length = std::ftell(m_file.get());
        m_needsBreak = m_length > 0 && std::fseek(m_file.get(), -1, SEEK_END) == 0 && std::getc(m_file.get()) != '\n';
    }
}

bool ListFileAppender::Append(std::string_view entry) {
    std::string text(m_needsBreak ? LIST_LINE_BREAK : "");
    text.append(entry).append(LIST_LINE_BREAK);
    std::FILE* file = m_file.get();
    // A stream that was read from must be positioned before it is written to.
    if (std::fseek(file, 0, SEEK_END) == 0 && std::fwrite(text.data(), 1, text.size(), file) == text.size()) {
        m_length += static_cast<long>(text.size());
        m_needsBreak = false;
        return true;
    }
    files::CutBack(file, static_cast<std::uint64_t>(m_length));
    return false;
}

bool ListFileAppender::Close() {
    return std::fclose(m_file.release()) == 0;
}

ListFileRewriter::ListFileRewriter(FileSystem& system, const std::string& path)
    : m_system(system), m_file(path, files::Links::WriteThrough) {
    if (!m_file.IsOpen()) {
        Fail();
    }
}

bool ListFileRewriter::Write(std::string_view entry) {
    std::string line(entry);
    line.append(LIST_LINE_BREAK);
    return m_file.Write(line) || Fail();
}

bool ListFileRewriter::Commit() {
    return m_file.Commit() || Fail();
}

bool ListFileRewriter::Fail() {
    m_error = m_system.LastError();
    return false;
}

}  // namespace core
