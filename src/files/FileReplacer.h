// The one way the program writes a file. The new contents go to a fresh file created
// exclusively in the same folder, are flushed (and, when they replace a file, synced to the
// disk), and then take the old file's place in one rename: a crash, a full disk or a failed
// write leaves the old file exactly as it was, and readers see the old contents or the new,
// never a part.
//
// A replaced file keeps its permissions; a read-only one is refused with the system's
// error rather than bypassed.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace files {

enum class Links {
    // A symbolic link at the path is written through: its target gets the new contents.
    // For the user's own files (the Image List, the settings).
    WriteThrough,
    // A symbolic link at the path is replaced by the new file and its target left alone.
    // For files made beside another file, in a folder others may write to.
    Replace,
};

class FileReplacer {
public:
    // Creates the fresh file; IsOpen() tells whether that worked.
    FileReplacer(const std::string& path, Links links);
    // Removes the fresh file unless it was committed.
    ~FileReplacer();
    FileReplacer(const FileReplacer&) = delete;
    FileReplacer& operator=(const FileReplacer&) = delete;

    // False too once a write has failed.
    bool IsOpen() const { return m_file != nullptr; }
    // Each returns false with the system's error set; after a failure nothing reaches the path.
    bool Write(const void* bytes, std::size_t count);
    bool Write(std::string_view text) { return Write(text.data(), text.size()); }
    bool Commit();

private:
    bool Discard();

    std::string m_target;
    std::string m_fresh;
    std::unique_ptr<char[]> m_buffer;
    std::FILE* m_file = nullptr;
    // Whether something stood at the target when writing began: only then is the file synced.
    bool m_replaces = false;
};

// The whole contents at once; false with the system's error set.
bool ReplaceFile(const std::string& path, std::string_view contents, Links links);

}  // namespace files
