# The Debian packages each kind of build needs; sourced by the other scripts.
# Qt 6 Widgets and Xlib for the Linux program; Liberation Sans is its dialogs' font; xdg-open
# (xdg-utils) hands its help documents and images to the desktop's applications.
BUILD_PACKAGES=(cmake ninja-build g++ libjpeg-dev qt6-base-dev libx11-dev libxrandr-dev fonts-liberation2 xdg-utils)
# ImageMagick and libjpeg's tools make the reference pictures the readers are checked against.
# The Linux program's end-to-end tests also run it under Xvfb with trayer as the tray host, drive
# it with xdotool, read the screen with ImageMagick and X properties with x11-utils, define
# monitors with xrandr (x11-xserver-utils), and run gsettings (libglib2.0-bin) against the
# GNOME, Cinnamon and MATE schemas. The packaging tests validate the launcher
# (desktop-file-utils) and the AppStream metadata (appstream), and build the Debian package
# with CPack, which reads its programs' libraries with file and dpkg-shlibdeps (dpkg-dev).
TEST_PACKAGES=(libgtest-dev libgmock-dev imagemagick libjpeg-turbo-progs
  xvfb trayer xdotool x11-utils x11-xserver-utils gsettings-desktop-schemas cinnamon-desktop-data
  mate-desktop-common libglib2.0-bin desktop-file-utils appstream file dpkg-dev)
# The Windows exe: the mingw-w64 cross compilers, nasm for libjpeg-turbo's SIMD code,
# dpkg-dev to unpack libjpeg-turbo's Debian source package; nsis makes the installer. Wine
# runs the exe in tests.
WIN32_BUILD_PACKAGES=(cmake ninja-build mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix nasm dpkg-dev
  nsis)
WIN32_TEST_PACKAGES=(wine wine64 imagemagick xvfb)
