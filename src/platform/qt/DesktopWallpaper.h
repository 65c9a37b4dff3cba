// The desktop wallpaper of a Linux session: how it is set depends on the desktop.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

enum class WallpaperMethod {
    GnomeSettings,  // GNOME and its relatives: gsettings, light and dark
    Plasma,         // KDE Plasma: plasma-apply-wallpaperimage
    Xfce,           // XFCE: xfconf-query on the backdrop properties
    X11Root,        // any other X11 session: the root window's background pixmap
    None,
};

// By XDG_CURRENT_DESKTOP (a ':'-separated list), else DESKTOP_SESSION, else X11.
WallpaperMethod ChooseWallpaperMethod(const char* currentDesktop, const char* desktopSession, bool hasX11);

// The commands that set a picture, in order. Xfce's depend on the backdrop properties
// that xfconf-query lists (its output is given).
std::vector<QStringList> GnomeWallpaperCommands(const std::string& path);
std::vector<QStringList> PlasmaWallpaperCommands(const std::string& path);
std::vector<QStringList> XfceWallpaperCommands(const std::string& path, const QString& listedProperties);
QStringList XfceListCommand();

// Sets the wallpaper for this session; false with errno set when it failed.
bool SetDesktopWallpaper(const std::string& path);
