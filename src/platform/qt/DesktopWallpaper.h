// The desktop wallpaper of a Linux session: how it is set depends on the desktop.
#pragma once

#include "platform/qt/CommandRunner.h"

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

// A file: URI of the path's own bytes, percent-encoded where a URI needs it.
std::string FileUri(const std::string& path);

// The commands that set a picture, in order. Xfce's depend on the backdrop properties
// that xfconf-query lists (its output is given).
std::vector<Command> GnomeWallpaperCommands(const std::string& path);
std::vector<Command> PlasmaWallpaperCommands(const std::string& path);
std::vector<Command> XfceWallpaperCommands(const std::string& path, const std::string& listedProperties);
Command XfceListCommand();

// Sets the wallpaper for this session; false with errno set when it failed.
bool SetDesktopWallpaper(const std::string& path);
