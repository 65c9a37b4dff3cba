// Files that readers see whole: the old contents or the new, never a part.
#pragma once

#include <filesystem>
#include <string>

// Writes the contents beside the file, flushed to disk, and renames them over it (a link
// at the path is written through); creates the folder when missing. False with errno set
// when it could not.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& contents);
