// Whether a desktop session is there to show windows in, asked before Qt is started
// (Qt itself ends the process with a message few users can act on).
#pragma once

#include <optional>
#include <string>

// The text that tells the user what is missing and how to run the program without a
// desktop; none when a display is there or a Qt platform is chosen explicitly.
std::optional<std::string> MissingDisplayMessage(const char* display, const char* waylandDisplay,
                                                 const char* qtPlatform, const std::string& program);
