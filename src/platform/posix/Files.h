// File and error services shared by the Linux hosts: the last error is errno and its
// text is the C library's.
#pragma once

namespace posix {

bool CopyFile(const char* existingFile, const char* newFile, bool failIfExists);
bool DeleteFile(const char* fileName);

}  // namespace posix
