#include "platform/qt/DesktopWallpaper.h"

#include "files/RegularFile.h"
#include "platform/qt/BackgroundJob.h"
#include "platform/qt/X11RootBackground.h"
#include "platform/qt/X11Windows.h"

#include <QImage>
#include <QStandardPaths>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace {

constexpr const char* XFCE_CHANNEL = "xfce4-desktop";
constexpr const char* XFCE_DEFAULT_PROPERTY = "/backdrop/screen0/monitor0/workspace0/last-image";
constexpr int COMMAND_TIMEOUT_MS = 30000;

struct DesktopNames {
    WallpaperMethod method;
    std::initializer_list<const char*> names;
};

// The names desktops give themselves in XDG_CURRENT_DESKTOP and DESKTOP_SESSION.
constexpr DesktopNames DESKTOPS[] = {
    {WallpaperMethod::Gnome, {"GNOME", "GNOME-Classic", "GNOME-Flashback", "Unity", "Budgie", "Pantheon", "ubuntu"}},
    {WallpaperMethod::Cinnamon, {"X-Cinnamon", "Cinnamon"}},
    {WallpaperMethod::Mate, {"MATE"}},
    {WallpaperMethod::Plasma, {"KDE", "plasma", "plasmawayland"}},
    {WallpaperMethod::Xfce, {"XFCE", "xfce4"}},
    {WallpaperMethod::Lxqt, {"LXQt"}},
    {WallpaperMethod::Lxde, {"LXDE"}},
    {WallpaperMethod::Sway, {"sway"}},
};

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
    for (const DesktopNames& desktop : DESKTOPS) {
        if (NamesAny(names, desktop.names)) {
            return desktop.method;
        }
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

bool SetRootBackground(const std::string& path) {
    // Only a regular file is read; a pipe or a device under a picture's name would never end.
    std::optional<std::string> bytes = files::ReadRegular(path);
    if (!bytes) {
        return false;  // errno as the read left it
    }
    QImage picture = QImage::fromData(QByteArray::fromStdString(*bytes));
    if (picture.isNull()) {
        errno = EINVAL;
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

// The scripting interface's own words for "this picture on every desktop".
std::string PlasmaScript(const std::string& uri) {
    return "var all = desktops();\n"
           "for (var i = 0; i < all.length; ++i) {\n"
           "    all[i].wallpaperPlugin = \"org.kde.image\";\n"
           "    all[i].currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
           "    all[i].writeConfig(\"Image\", \"" +
           uri + "\");\n}";
}

// sway reads its command's words itself: the path is one quoted word.
std::string SwayWord(const std::string& text) {
    std::string word = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            word += '\\';
        }
        word += c;
    }
    return word + '"';
}

bool RunXfce(const std::string& path) {
    std::optional<std::string> listed = RunCommand(XfceListCommand(), COMMAND_TIMEOUT_MS);
    return RunAll(XfceWallpaperCommands(path, listed.value_or(std::string())));
}

// The desktop is known from the environment, which stays as it was at start: once.
WallpaperMethod SessionMethod() {
    static const WallpaperMethod method = ChooseWallpaperMethod({
        .currentDesktop = std::getenv("XDG_CURRENT_DESKTOP"),
        .desktopSession = std::getenv("DESKTOP_SESSION"),
        .sway = std::getenv("SWAYSOCK") != nullptr,
        .wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland",
        .hasX11 = x11::Available(),
    });
    return method;
}

// Its programs are asked once, on the worker, at the first change.
bool RunMethodCommands(WallpaperMethod desktop, const std::string& path) {
    static const WallpaperMethod method = RefineWallpaperMethod(desktop);
    // MATE keeps the name in a key of text, which must be UTF-8.
    if (method == WallpaperMethod::Mate && QByteArray::fromStdString(path) != QString::fromStdString(path).toUtf8()) {
        errno = EILSEQ;
        return false;
    }
    return method == WallpaperMethod::Xfce ? RunXfce(path) : RunAll(WallpaperCommands(method, path));
}

}  // namespace

WallpaperMethod ChooseWallpaperMethod(const DesktopSession& session) {
    for (const char* names : {session.currentDesktop, session.desktopSession}) {
        if (names != nullptr) {
            if (std::optional<WallpaperMethod> method = MethodForNames(QString::fromLocal8Bit(names))) {
                return *method;
            }
        }
    }
    if (session.sway) {
        return WallpaperMethod::Sway;
    }
    // XWayland's root window is drawn by nobody.
    return session.hasX11 && !session.wayland ? WallpaperMethod::X11Root : WallpaperMethod::None;
}

WallpaperMethod RefineWallpaperMethod(WallpaperMethod method) {
    if (method == WallpaperMethod::Gnome &&
        RunCommand({"gsettings", "range", "org.gnome.desktop.background", "picture-uri-dark"}, COMMAND_TIMEOUT_MS)) {
        return WallpaperMethod::GnomeWithDark;
    }
    if (method == WallpaperMethod::Plasma &&
        QStandardPaths::findExecutable(QStringLiteral("plasma-apply-wallpaperimage")).isEmpty()) {
        return WallpaperMethod::PlasmaScript;
    }
    return method;
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

std::vector<Command> WallpaperCommands(WallpaperMethod method, const std::string& path) {
    const std::string uri = FileUri(path);
    switch (method) {
    case WallpaperMethod::GnomeWithDark:
        return {{"gsettings", "set", "org.gnome.desktop.background", "picture-uri", uri},
                {"gsettings", "set", "org.gnome.desktop.background", "picture-uri-dark", uri}};
    case WallpaperMethod::Gnome:
        return {{"gsettings", "set", "org.gnome.desktop.background", "picture-uri", uri}};
    case WallpaperMethod::Cinnamon:
        return {{"gsettings", "set", "org.cinnamon.desktop.background", "picture-uri", uri}};
    case WallpaperMethod::Mate:
        return {{"gsettings", "set", "org.mate.background", "picture-filename", path}};
    case WallpaperMethod::Plasma:
        return {{"plasma-apply-wallpaperimage", path}};
    case WallpaperMethod::PlasmaScript:
        return {{"dbus-send", "--session", "--print-reply", "--dest=org.kde.plasmashell", "/PlasmaShell",
                 "org.kde.PlasmaShell.evaluateScript", "string:" + PlasmaScript(uri)}};
    case WallpaperMethod::Lxqt:
        return {{"pcmanfm-qt", "--set-wallpaper", path}};
    case WallpaperMethod::Lxde:
        return {{"pcmanfm", "--set-wallpaper", path}};
    case WallpaperMethod::Sway:
        // Centred on black, as Windows shows a wallpaper by default.
        return {{"swaymsg", "output", "*", "bg", SwayWord(path), "center", "#000000"}};
    default:
        return {};
    }
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
    switch (WallpaperMethod method = SessionMethod()) {
    case WallpaperMethod::X11Root:
        return SetRootBackground(path);
    case WallpaperMethod::None:
        errno = ENOTSUP;
        return false;
    default:
        return RunInBackground([method, path] { return RunMethodCommands(method, path); });
    }
}

std::string NoWallpaperMethodNotice() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    return std::string("Kaleidra cannot set the wallpaper in this session (desktop \"") +
           (desktop != nullptr && *desktop != 0 ? desktop : "unknown") +
           "\"), so the wallpaper stays as it is.\r\n\r\nIt sets the wallpaper on GNOME, Budgie, Cinnamon, MATE, "
           "KDE Plasma, XFCE, LXQt, LXDE and sway, and on X11 sessions without a desktop of their own.";
}
