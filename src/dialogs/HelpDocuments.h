// The help documents among the program's data files, opened with the desktop's viewer for them.
#pragma once

inline constexpr const char* INDEX_DOCUMENT = "krindex.htm";
inline constexpr const char* OPTIONS_DOCUMENT = "options.htm";

// Hands the document to the shell and goes on at once; a failure shows the system's text.
void OpenHelpDocument(const char* fileName);
