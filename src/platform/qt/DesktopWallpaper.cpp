#include "platform/qt/DesktopWallpaper.h"

#include "files/RegularFile.h"
#include "platform/qt/X11RootBackground.h"
#include "platform/qt/X11Windows.h"

#include <QFile>
#include <QImage>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* XFCE_CHANNEL = "xfce4-desktop";
constexpr const char* XFCE_DEFAULT_PROPERTY = "/backdrop/screen0/monitor0/workspace0/last-image";
constexpr int COMMAND_TIMEOUT_MS = 30000;

bool NamesAny(const QString& names, std::initializer_list<const char*> desktops) {
    for (const QString& name : names.split(u':', Qt::SkipEmptyParts)) {
        for (const char* desktop : desktops) {
            if (name.compare(QLatin1String(desktop), Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
    }
    return false;
}

std::optional<WallpaperMethod> MethodForNames(const QString& names) {
    if (NamesAny(names, {"GNOME", "GNOME-Classic", "GNOME-Flashback", "Unity", "Budgie", "Pantheon", "ubuntu"})) {
        return WallpaperMethod::GnomeSettings;
    }
    if (NamesAny(names, {"KDE", "plasma", "plasmawayland"})) {
        return WallpaperMethod::Plasma;
    }
    if (NamesAny(names, {"XFCE", "xfce4"})) {
        return WallpaperMethod::Xfce;
    }
    return std::nullopt;
}

bool RunAll(const std::vector<Command>& commands) {
    for (const Command& command : commands) {
        if (!RunCommand(command, COMMAND_TIMEOUT_MS)) {
            return false;
        }
    }
    return true;
}

// Only a regular file is read; a pipe or a device under a picture's name would never end.
QByteArray ReadRegularFile(const std::string& path) {
    files::FilePtr opened = files::OpenRegular(path, files::Access::Read);
    QFile file;
    if (opened == nullptr || !file.open(opened.get(), QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

bool SetRootBackground(const std::string& path) {
    QImage picture = QImage::fromData(ReadRegularFile(path));
    if (picture.isNull()) {
        std::error_code error;
        errno = std::filesystem::exists(path, error) ? EINVAL : ENOENT;
        return false;
    }
    if (!x11::SetRootBackground(picture)) {
        errno = EIO;
        return false;
    }
    return true;
}

// What a URI path keeps as it is: unreserved characters, sub-delimiters, ':', '@', '/',
// and the brackets, which GLib and Qt leave alone too.
bool KeptInUri(unsigned char byte) {
    static constexpr std::string_view KEPT = "-._~!$&'()*+,;=:@/[]";
    return (byte < 0x80 && std::isalnum(byte) != 0) || KEPT.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

WallpaperMethod ChooseWallpaperMethod(const char* currentDesktop, const char* desktopSession, bool hasX11) {
    for (const char* names : {currentDesktop, desktopSession}) {
        if (names != nullptr) {
            if (std::optional<WallpaperMethod> method = MethodForNames(QString::fromLocal8Bit(names))) {
                return *method;
            }
        }
    }
    return hasX11 ? WallpaperMethod::X11Root : WallpaperMethod::None;
}

std::string FileUri(const std::string& path) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (unsigned char byte : path) {
        if (KeptInUri(byte)) {
            uri += static_cast<char>(byte);
        } else {
            uri += {'%', HEX[byte >> 4], HEX[byte & 0xF]};
        }
    }
    return uri;
}

std::vector<Command> GnomeWallpaperCommands(const std::string& path) {
    std::string uri = FileUri(path);
    return {{"gsettings", "set", "org.gnome.desktop.background", "picture-uri", uri},
            {"gsettings", "set", "org.gnome.desktop.background", "picture-uri-dark", uri}};
}

std::vector<Command> PlasmaWallpaperCommands(const std::string& path) {
    return {{"plasma-apply-wallpaperimage", path}};
}

Command XfceListCommand() {
    return {"xfconf-query", "-c", XFCE_CHANNEL, "-l"};
}

// Every monitor and workspace it lists; with none listed yet, the first one's is made.
std::vector<Command> XfceWallpaperCommands(const std::string& path, const std::string& listedProperties) {
    std::vector<Command> commands;
    for (const QByteArray& line : QByteArray::fromStdString(listedProperties).split('\n')) {
        std::string property = line.trimmed().toStdString();
        if (property.starts_with("/backdrop/") && property.ends_with("/last-image")) {
            commands.push_back({"xfconf-query", "-c", XFCE_CHANNEL, "-p", property, "-s", path});
        }
    }
    if (commands.empty()) {
        commands.push_back(
            {"xfconf-query", "-c", XFCE_CHANNEL, "-p", XFCE_DEFAULT_PROPERTY, "-n", "-t", "string", "-s", path});
    }
    return commands;
}

bool SetDesktopWallpaper(const std::string& path) {
    switch (ChooseWallpaperMethod(std::getenv("XDG_CURRENT_DESKTOP"), std::getenv("DESKTOP_SESSION"),
                                  x11::Available())) {
    case WallpaperMethod::GnomeSettings:
        return RunAll(GnomeWallpaperCommands(path));
    case WallpaperMethod::Plasma:
        return RunAll(PlasmaWallpaperCommands(path));
    case WallpaperMethod::Xfce: {
        std::optional<std::string> listed = RunCommand(XfceListCommand(), COMMAND_TIMEOUT_MS);
        return RunAll(XfceWallpaperCommands(path, listed.value_or(std::string())));
    }
    case WallpaperMethod::X11Root:
        return SetRootBackground(path);
    case WallpaperMethod::None:
        break;
    }
    errno = ENOTSUP;
    return false;
}
