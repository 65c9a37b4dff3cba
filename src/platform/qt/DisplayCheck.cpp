#include "platform/qt/DisplayCheck.h"

namespace {

bool IsSet(const char* value) {
    return value != nullptr && value[0] != '\0';
}

}  // namespace

std::optional<std::string> MissingDisplayMessage(const char* display, const char* waylandDisplay,
                                                 const char* qtPlatform, const std::string& program) {
    if (IsSet(display) || IsSet(waylandDisplay) || IsSet(qtPlatform)) {
        return std::nullopt;
    }
    return "Kaleidra needs a desktop session to show its window and tray icon, and there is none here:\n"
           "neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
           "Start it from a desktop session, or on a virtual X display:\n"
           "  xvfb-run -a " + program + "\n";
}
