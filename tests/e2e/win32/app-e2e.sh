#!/usr/bin/env bash
# Runs kaleidra.exe under Wine inside Xvfb, driven from outside by kaleidra-e2e-driver.exe in
# a fresh prefix, at 100 % and again at 150 %, and turns the driver's screenshots into PNG
# files. With an installer, it is installed, used and uninstalled last, in the first pass.
# Usage: tests/e2e/win32/app-e2e.sh KALEIDRA_EXE DRIVER_EXE WORK_DIR SHOTS_DIR [SETUP_EXE]
set -uo pipefail
shopt -s nullglob

exe=$(realpath "$1")
driver=$(realpath "$2")
work=$(realpath -m "$3")
shots=$(realpath -m "$4")
setup=${5:+$(realpath "$5")}

source "$(dirname "$0")/wine.sh"
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }

rm -rf "$work" "$shots"
mkdir -p "$work" "$shots"
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

# Wine shows the Unix root as drive Z:.
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }

# One pass of the driver at a DPI, in a fresh prefix and folder of its own; its screenshots
# go to the shots folder as PNG files, their names ending in the suffix. Wine's own
# complaints (a file dialog probing drive Z:, say) are shown only on failure; the checks
# are passed on line by line, so that a slow run shows where it is.
run_pass() {
  local dpi=$1 suffix=$2 installer=${3:-} dir=$work/$1dpi status=0
  mkdir -p "$dir/pictures" "$dir/shots"
  wine_prefix_init "$dir/prefix"
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  convert rose: -crop 69x45+0+0 +repage -colors 64 "$dir/pictures/rose.gif"
  convert rose: -quality 85 "$dir/pictures/rose.jpg"
  echo "== at $dpi dpi"
  "$wine" "$driver" "$(windows_path "$exe")" "$(windows_path "$dir/pictures")" "$(windows_path "$dir/shots")" \
    ${installer:+"$(windows_path "$installer")"} 2>"$dir/wine.log" | stdbuf -oL tr -d '\r' || status=1
  [ $status -eq 0 ] || cat "$dir/wine.log" >&2
  "$wineserver" -k >/dev/null 2>&1
  for bmp in "$dir/shots"/*.bmp; do convert "$bmp" "$shots/$(basename "${bmp%.bmp}")$suffix.png"; done
  return $status
}

# Every check at 100 % and at 150 %, where dialogs grow with their font and the preview
# stays 1:1 in device pixels.
status=0
run_pass 96 "" "$setup" || status=1
run_pass 144 -150 || status=1
exit $status
