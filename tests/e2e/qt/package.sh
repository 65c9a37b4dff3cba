#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack from the build tree, installed
# with apt, the program started from /usr/bin and its help found among the installed data,
# then purged without a trace. Installing needs root, and a kaleidra the machine has already
# is not the test's to remove: either way the test is skipped.
# Usage: package.sh PROGRAM SHOTS_DIR BUILD_DIR
[ "$(id -u)" -eq 0 ] || { echo "package: not root, skipped"; exit 77; }
BUILD=$(realpath "$3")
source "$(dirname "$0")/session.sh"
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq "$@" >>"$WORLD/apt.log" 2>&1; }
installed() { dpkg-query -W -f='${Status}' kaleidra 2>/dev/null | grep -q "install ok installed"; }
! installed || { echo "package: kaleidra is installed here already, left alone; skipped"; exit 77; }
# finish removes the world and its logs: a package left by a failure goes quietly after it.
trap 'finish; ! installed || apt-get -y -qq purge kaleidra >/dev/null 2>&1' EXIT

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORLD/package" >"$WORLD/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$WORLD/cpack.log")"
deb=$(echo "$WORLD"/package/kaleidra_3.0_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends: $(dpkg-deb -f "$deb" Depends)"
apt_get install --no-install-recommends "$deb" || fail "apt: $(cat "$WORLD/apt.log")"
listed=$(dpkg -L kaleidra)
for path in /usr/bin/kaleidra /usr/bin/kaleidra-convert /usr/share/kaleidra/krindex.htm \
    /usr/share/kaleidra/options.htm /usr/share/applications/org.kaleidra.Kaleidra.desktop \
    /usr/share/metainfo/org.kaleidra.Kaleidra.metainfo.xml /usr/share/icons/hicolor/{16x16,256x256}/apps/kaleidra.png; do
    grep -qx "$path" <<<"$listed" && [ -f "$path" ] || fail "the package does not install $path"
done

# F1 hands the installed index to the desktop's opener, from the program's folder.
PROGRAM=/usr/bin/kaleidra
start_display
record_opened_documents
start_program
show_main_window
press_in "$(main_window)" F1
wait_for 5 opened_count_is 1 || fail "F1 opened nothing"
[ "$(cat "$OPENED")" = "/usr/bin|/usr/share/kaleidra/krindex.htm" ] || fail "F1 opened: $(cat "$OPENED")"

# Purged, none of its files is left, nor a folder that no other package owns.
apt_get purge kaleidra || fail "apt: $(cat "$WORLD/apt.log")"
while read -r path; do
    if [ -d "$path" ]; then dpkg -S "$path" >/dev/null 2>&1 || fail "the folder $path is left"
    elif [ -e "$path" ] || [ -L "$path" ]; then fail "$path is left"; fi
done <<<"$listed"
echo "package: ok"
