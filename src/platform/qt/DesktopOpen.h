// Documents handed to the desktop's default application for them (xdg-open).
#pragma once

#include <string>

// Starts the opener for the document in the folder and goes on without waiting; false
// with errno set when the document is missing or the opener could not start.
bool OpenWithDesktop(const std::string& document, const std::string& directory);
