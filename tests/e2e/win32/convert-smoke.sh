#!/usr/bin/env bash
# Runs the Windows kaleidra-convert.exe under Wine on a small GIF and JPEG and checks that
# it writes the same BMP bytes as the native build; a missing file gives the same message.
# Usage: tests/e2e/win32/convert-smoke.sh WIN32_EXE NATIVE_CONVERT WORK_DIR
set -uo pipefail

exe=$(realpath "$1")
native=$(realpath "$2")
work=$(realpath -m "$3")

wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64  # Debian 12
[ -z "$wine" ] && wine=$(command -v wine || true)
[ -n "$wine" ] || { echo "Wine is not installed" >&2; exit 1; }
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver

rm -rf "$work"
mkdir -p "$work/pictures"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A console program needs no display; without one Wine also opens no configuration window.
unset DISPLAY WAYLAND_DISPLAY
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT

# A 64-bit-only Wine complains about the missing 32-bit rundll32 while it sets the prefix
# up; that is harmless, so its output is shown only when the set-up fails.
if ! "$wine" wineboot --init >"$work/wineboot.log" 2>&1; then
  cat "$work/wineboot.log" >&2
  echo "Wine could not set up $WINEPREFIX" >&2
  exit 1
fi

cd "$work/pictures"
# Odd widths, so that the BMP rows need padding.
convert rose: -crop 69x45+0+0 +repage -colors 64 -interlace GIF rose.gif
convert rose: -crop 67x43+1+1 +repage -quality 85 rose.jpg

passed=0
failed=0
result() {
  if [ "$2" = ok ]; then
    echo "PASS $1"; passed=$((passed + 1))
  else
    echo "FAIL $1: $2"; failed=$((failed + 1))
  fi
}

# Paths stay relative: Wine resolves them against the current directory on drive Z:.
same_bmp() {
  local picture=$1
  if ! "$wine" "$exe" "$picture" "$picture.win32.bmp" 2>"$picture.win32.err"; then
    result "$picture" "the exe failed: $(tr -d '\r' <"$picture.win32.err")"
  elif ! "$native" "$picture" "$picture.native.bmp" 2>/dev/null; then
    result "$picture" "the native build failed"
  elif ! cmp -s "$picture.win32.bmp" "$picture.native.bmp"; then
    result "$picture" "the BMP files differ ($(cmp "$picture.win32.bmp" "$picture.native.bmp" 2>&1))"
  else
    result "$picture" ok
  fi
}

# The exe writes its messages in text mode, so each line ends in "\r\n" there.
same_failure() {
  local picture=$1 win_status=0 native_status=0
  "$wine" "$exe" "$picture" 2>"$picture.win32.err" || win_status=$?
  "$native" "$picture" 2>"$picture.native.err" || native_status=$?
  if [ "$win_status" -eq 0 ] || [ "$win_status" -ne "$native_status" ]; then
    result "$picture" "exit status $win_status, natively $native_status"
  elif ! tr -d '\r' <"$picture.win32.err" | cmp -s - "$picture.native.err"; then
    result "$picture" "messages differ: $(tr -d '\r' <"$picture.win32.err")"
  else
    result "$picture" ok
  fi
}

same_bmp rose.gif
same_bmp rose.jpg
same_failure missing.gif

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
