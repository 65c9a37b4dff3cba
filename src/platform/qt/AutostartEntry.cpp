#include "platform/qt/AutostartEntry.h"

#include "platform/qt/XdgPaths.h"

#include <string_view>

namespace {

// A value's own escapes: a backslash and the line breaks.
std::string EscapeValue(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        case '\t': escaped += "\\t"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// The command line's argument: quoted when it holds a character the launcher would read
// as more than itself; a percent sign would be a field code.
std::string ExecArgument(std::string_view path) {
    constexpr std::string_view RESERVED = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            argument += '\\';
        }
        argument += c;
        if (c == '%') {
            argument += '%';
        }
    }
    if (path.find_first_of(RESERVED) != std::string_view::npos) {
        argument = '"' + argument + '"';
    }
    return argument;
}

}  // namespace

std::filesystem::path AutostartEntryPath() {
    return xdg::ConfigHome() / "autostart" / "kaleidra.desktop";
}

std::string FormatAutostartEntry(const std::string& program, const std::string& workingDir,
                                 const std::string& description) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kaleidra\n"
           "Comment=" + EscapeValue(description) + "\n"
           "Icon=kaleidra\n"
           "Exec=" + EscapeValue(ExecArgument(program)) + "\n"
           "Path=" + EscapeValue(workingDir) + "\n";
}
