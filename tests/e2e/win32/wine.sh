# Sourced by the Windows end-to-end scripts: finds Wine and sets up a fresh prefix.
# Sets $wine and $wineserver; wine_prefix_init DIR makes DIR a new prefix and exports it.

wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64  # Debian 12
[ -z "$wine" ] && wine=$(command -v wine || true)
[ -n "$wine" ] || { echo "Wine is not installed" >&2; exit 1; }
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver

# Without winemenubuilder, shortcuts the program writes make no menu entries on the Linux desktop.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# A 64-bit-only Wine complains about the missing 32-bit rundll32 while it sets a prefix up;
# that is harmless, so its output is shown only when the set-up fails. The set-up runs
# without a display, so Wine opens no window of its own, and ends with its wineserver: the
# set-up's desktop has no display, and windows of later programs could not be made on it.
wine_prefix_create() {
  export WINEPREFIX=$1
  if ! DISPLAY= "$wine" wineboot --init >"$WINEPREFIX.wineboot.log" 2>&1; then
    cat "$WINEPREFIX.wineboot.log" >&2
    echo "Wine could not set up $WINEPREFIX" >&2
    exit 1
  fi
  "$wineserver" -k >/dev/null 2>&1 || true
}

# A fresh prefix is a copy of one set up once per machine and Wine version (copying takes
# a second, setting up ten), kept in the build tree beside the other Windows dependencies.
wine_prefix_init() {
  local target=$1
  local pristine
  pristine=$(realpath -m "$(dirname "${BASH_SOURCE[0]}")/../../../build/win32-deps/wine-prefix")
  local version
  version=$("$wine" --version 2>/dev/null)
  if [ "$(cat "$pristine.version" 2>/dev/null)" != "$version" ] || [ ! -d "$pristine" ]; then
    rm -rf "$pristine" "$pristine.version"
    mkdir -p "$(dirname "$pristine")"
    wine_prefix_create "$pristine"
    echo "$version" >"$pristine.version"
  fi
  rm -rf "$target"
  cp -a "$pristine" "$target"
  export WINEPREFIX=$target
}
