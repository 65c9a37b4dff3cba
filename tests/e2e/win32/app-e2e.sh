#!/usr/bin/env bash
# Runs kaleidra.exe under Wine inside Xvfb, driven from outside by kaleidra-e2e-driver.exe in
# a fresh prefix, and turns the driver's screenshots into PNG files. With an installer, it is
# installed, used and uninstalled last.
# Usage: tests/e2e/win32/app-e2e.sh KALEIDRA_EXE DRIVER_EXE WORK_DIR SHOTS_DIR [SETUP_EXE]
set -uo pipefail

exe=$(realpath "$1")
driver=$(realpath "$2")
work=$(realpath -m "$3")
shots=$(realpath -m "$4")
setup=()
[ $# -ge 5 ] && setup=("$(realpath "$5")")

source "$(dirname "$0")/wine.sh"
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }

rm -rf "$work" "$shots"
mkdir -p "$work/pictures" "$shots"
unset WAYLAND_DISPLAY

xvfb_pid=
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

wine_prefix_init "$work/prefix"

convert rose: -crop 69x45+0+0 +repage -colors 64 "$work/pictures/rose.gif"
convert rose: -quality 85 "$work/pictures/rose.jpg"

# Wine shows the Unix root as drive Z:.
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }

# Wine's own complaints (a file dialog probing drive Z:, say) are shown only on failure; the
# checks are passed on line by line, so that a slow run shows where it is.
status=0
"$wine" "$driver" "$(windows_path "$exe")" "$(windows_path "$work/pictures")" "$(windows_path "$shots")" \
  ${setup:+"$(windows_path "${setup[0]}")"} 2>"$work/wine.log" | stdbuf -oL tr -d '\r' || status=1
[ $status -eq 0 ] || cat "$work/wine.log" >&2

for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $status
