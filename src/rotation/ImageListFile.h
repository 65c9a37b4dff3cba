// The Image List file: one image path per line, in the order the entries were added.
#pragma once

#include <optional>
#include <string>

// The number of lines of the list; 0 (after showing the system's error) when it can't
// be opened.
int CountListEntries(std::string path);

// Line i of the list (counted from 1) with its line break. An index above the count of
// the last change step reads line 1; one the file doesn't reach (0 included) reads its
// last line. Nothing when the file can't be opened or holds nothing.
std::optional<std::string> ReadListEntry(std::string path, int i);
