// Faults a test can bring about in its own process: a folder of its own, and a disk that
// fills up after a number of bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

class TestFolder {
public:
    explicit TestFolder(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / ("kaleidra-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TestFolder() { std::filesystem::remove_all(m_path); }

    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }
    // How many entries the folder holds: a writer leaves nothing of its own behind.
    long Entries() const { return std::distance(std::filesystem::directory_iterator(m_path), {}); }

private:
    std::filesystem::path m_path;
};

inline void WriteFile(const std::string& path, std::string_view contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// Writes that would make a file longer than the limit fail, as on a full disk (with EFBIG
// where a disk says ENOSPC), until the object goes.
class FullDiskAfter {
public:
    explicit FullDiskAfter(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDiskAfter() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};
