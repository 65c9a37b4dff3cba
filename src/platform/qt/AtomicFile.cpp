#include "platform/qt/AtomicFile.h"

#include "files/FileReplacer.h"

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& contents) {
    std::error_code ignored;  // a folder that can't be made shows as the file failing
    std::filesystem::create_directories(file.parent_path(), ignored);
    return files::ReplaceFile(file.string(), contents, files::Links::WriteThrough);
}
