#include "platform/qt/DesktopWallpaper.h"

#include "platform/qt/X11RootBackground.h"
#include "platform/qt/X11Windows.h"

#include <QImage>
#include <QProcess>
#include <QUrl>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

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

QString Native(const std::string& path) {
    return QString::fromLocal8Bit(path.c_str());
}

// The output of a command that ran and succeeded; none, with errno set, for one that
// could not start or failed.
std::optional<QString> Run(const QStringList& command) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.first(), command.mid(1));
    if (!process.waitForStarted(COMMAND_TIMEOUT_MS)) {
        errno = ENOENT;
        return std::nullopt;
    }
    if (!process.waitForFinished(COMMAND_TIMEOUT_MS) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        errno = EIO;
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool RunAll(const std::vector<QStringList>& commands) {
    for (const QStringList& command : commands) {
        if (!Run(command)) {
            return false;
        }
    }
    return true;
}

bool SetRootBackground(const std::string& path) {
    QImage picture(Native(path));
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

std::vector<QStringList> GnomeWallpaperCommands(const std::string& path) {
    QString uri = QUrl::fromLocalFile(Native(path)).toString(QUrl::FullyEncoded);
    QStringList set{"gsettings", "set", "org.gnome.desktop.background"};
    return {set + QStringList{"picture-uri", uri}, set + QStringList{"picture-uri-dark", uri}};
}

std::vector<QStringList> PlasmaWallpaperCommands(const std::string& path) {
    return {{"plasma-apply-wallpaperimage", Native(path)}};
}

QStringList XfceListCommand() {
    return {"xfconf-query", "-c", XFCE_CHANNEL, "-l"};
}

// Every monitor and workspace it lists; with none listed yet, the first one's is made.
std::vector<QStringList> XfceWallpaperCommands(const std::string& path, const QString& listedProperties) {
    std::vector<QStringList> commands;
    for (const QString& line : listedProperties.split(u'\n', Qt::SkipEmptyParts)) {
        QString property = line.trimmed();
        if (property.startsWith(QLatin1String("/backdrop/")) && property.endsWith(QLatin1String("/last-image"))) {
            commands.push_back({"xfconf-query", "-c", XFCE_CHANNEL, "-p", property, "-s", Native(path)});
        }
    }
    if (commands.empty()) {
        commands.push_back({"xfconf-query", "-c", XFCE_CHANNEL, "-p", XFCE_DEFAULT_PROPERTY, "-n", "-t", "string",
                            "-s", Native(path)});
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
        std::optional<QString> listed = Run(XfceListCommand());
        return RunAll(XfceWallpaperCommands(path, listed.value_or(QString())));
    }
    case WallpaperMethod::X11Root:
        return SetRootBackground(path);
    case WallpaperMethod::None:
        break;
    }
    errno = ENOTSUP;
    return false;
}
