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

ListFileReader::ListFileReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}

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

ListFileAppender::ListFileAppender(const std::string& path) : m_file(std::fopen(path.c_str(), "ab+")) {
    if (m_file != nullptr && std::fseek(m_file, -1, SEEK_END) == 0) {
        m_needsBreak = std::getc(m_file) != '\n';
    }
}

ListFileAppender::~ListFileAppender() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool ListFileAppender::Append(std::string_view entry) {
    std::string text(m_needsBreak ? LIST_LINE_BREAK : "");
    text.append(entry).append(LIST_LINE_BREAK);
    m_needsBreak = false;
    // A stream that was read from must be positioned before it is written to.
    return std::fseek(m_file, 0, SEEK_END) == 0 && std::fwrite(text.data(), 1, text.size(), m_file) == text.size() &&
           std::fflush(m_file) == 0;
}

bool ListFileAppender::Close() {
    std::FILE* file = std::exchange(m_file, nullptr);
    return std::fclose(file) == 0;
}

ListFileRewriter::ListFileRewriter(FileSystem& system, const std::string& path)
    : m_system(system), m_path(path), m_newPath(path + ".new"), m_file(std::fopen(m_newPath.c_str(), "wb")) {}

ListFileRewriter::~ListFileRewriter() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_system.Remove(m_newPath);
    }
}

bool ListFileRewriter::Write(std::string_view entry) {
    std::string line(entry);
    line.append(LIST_LINE_BREAK);
    return std::fwrite(line.data(), 1, line.size(), m_file) == line.size() || Fail();
}

bool ListFileRewriter::Commit() {
    bool written = std::fflush(m_file) == 0;
    written = std::fclose(std::exchange(m_file, nullptr)) == 0 && written;
    if (written && m_system.MoveOver(m_newPath, m_path)) {
        return true;
    }
    Fail();
    m_system.Remove(m_newPath);
    return false;
}

bool ListFileRewriter::Fail() {
    m_error = m_system.LastError();
    return false;
}

}  // namespace core
