// The desktop wallpaper of a Linux session: how it is set depends on the desktop.
#pragma once

#include "platform/qt/CommandRunner.h"

#include <string>
#include <vector>

enum class WallpaperMethod {
    Gnome,          // GNOME and the desktops that read its keys: gsettings picture-uri
    GnomeWithDark,  // GNOME 42 and later: picture-uri-dark too
    Cinnamon,       // gsettings, Cinnamon's own schema
    Mate,           // gsettings, MATE's own schema
    Plasma,         // KDE Plasma: plasma-apply-wallpaperimage
    PlasmaScript,   // KDE Plasma without that tool: the shell's D-Bus scripting
    Xfce,           // xfconf-query on the backdrop properties
    Lxqt,           // pcmanfm-qt
    Lxde,           // pcmanfm
    Sway,           // sway and its kin: swaymsg
    X11Root,        // any other X11 session: the root window's background pixmap
    None,
};

// What the environment says of the session.
struct DesktopSession {
    const char* currentDesktop = nullptr;  // XDG_CURRENT_DESKTOP, a ':'-separated list
    const char* desktopSession = nullptr;  // DESKTOP_SESSION
    bool sway = false;                     // SWAYSOCK set
    bool wayland = false;                  // WAYLAND_DISPLAY set or XDG_SESSION_TYPE=wayland
    bool hasX11 = false;
};

// By the current desktop, else the session's name, else sway's socket, else the root
// window, which only an X11 session shows.
WallpaperMethod ChooseWallpaperMethod(const DesktopSession& session);

// The finer choice that needs the session's programs asked: GNOME's dark key, Plasma's tool.
WallpaperMethod RefineWallpaperMethod(WallpaperMethod method);

// A file: URI of the path's own bytes, percent-encoded where a URI needs it.
std::string FileUri(const std::string& path);

// The commands that set a picture, in order, for every method but Xfce, X11Root and None.
std::vector<Command> WallpaperCommands(WallpaperMethod method, const std::string& path);
// Xfce's depend on the backdrop properties that its list command prints.
std::vector<Command> XfceWallpaperCommands(const std::string& path, const std::string& listedProperties);
Command XfceListCommand();

// Sets the wallpaper for this session; false with errno set when it failed, ENOTSUP when
// the session has no way known to us.
bool SetDesktopWallpaper(const std::string& path);

// What to tell the user once when the session has no way known to us.
std::string NoWallpaperMethodNotice();
