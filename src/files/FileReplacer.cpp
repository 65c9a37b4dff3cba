#include "files/FileReplacer.h"

#include "files/SystemFiles.h"

#include <new>
#include <utility>

namespace files {
namespace {

// Small writes, rows of pixels among them, reach the disk in blocks of this size; a write
// larger than the buffer goes straight through. Every page of a larger one would be a page
// fault of its own for a single conversion.
constexpr std::size_t STREAM_BUFFER_BYTES = std::size_t{128} << 10;

}  // namespace

FileReplacer::FileReplacer(const std::string& path, Links links) : m_target(system::WriteTarget(path, links)) {
    const system::Standing standing = system::Inspect(m_target, links);
    m_replaces = standing == system::Standing::Replaceable;
    if (standing == system::Standing::Refused ||
        (m_file = system::CreateFresh(m_target, links, m_fresh)) == nullptr) {
        return;
    }
    m_buffer.reset(new (std::nothrow) char[STREAM_BUFFER_BYTES]);
    // Without the large buffer stdio's own small one still works, only with more system calls.
    if (m_buffer != nullptr) {
        std::setvbuf(m_file, m_buffer.get(), _IOFBF, STREAM_BUFFER_BYTES);
    }
}

FileReplacer::~FileReplacer() {
    if (m_file != nullptr) {
        Discard();
    }
}

// The first failure discards the fresh file at once, so its error is the one that stays.
bool FileReplacer::Write(const void* bytes, std::size_t count) {
    if (m_file == nullptr) {
        return false;
    }
    return std::fwrite(bytes, 1, count, m_file) == count || Discard();
}

bool FileReplacer::Commit() {
    if (m_file == nullptr) {
        return false;
    }
    // The sync keeps a crash from leaving the old file's name on contents not yet on the
    // disk. A new name replaces nothing of the user's, and the sync made a sixth of the time
    // a large picture took to convert, so it is skipped there.
    bool written = std::fflush(m_file) == 0 && (!m_replaces || system::Sync(m_file)) &&
                   std::fclose(std::exchange(m_file, nullptr)) == 0;
    return (written && system::RenameOver(m_fresh, m_target)) || Discard();
}

// The fresh file may be closed already, by a commit that failed after closing it.
bool FileReplacer::Discard() {
    system::SavedError error;
    if (m_file != nullptr) {
        std::fclose(std::exchange(m_file, nullptr));
    }
    system::Remove(m_fresh);
    return false;
}

bool ReplaceFile(const std::string& path, std::string_view contents, Links links) {
    FileReplacer file(path, links);
    return file.IsOpen() && file.Write(contents) && file.Commit();
}

}  // namespace files
