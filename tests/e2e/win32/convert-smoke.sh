#!/usr/bin/env bash
# Runs the Windows kaleidra-convert.exe under Wine on a small GIF (named in Chinese and
# Cyrillic) and JPEG and checks that it writes the same BMP bytes as the native build; a
# missing file gives the same message, and a BMP converted onto itself stays whole.
# Usage: tests/e2e/win32/convert-smoke.sh WIN32_EXE NATIVE_CONVERT WORK_DIR
set -uo pipefail

exe=$(realpath "$1")
native=$(realpath "$2")
work=$(realpath -m "$3")

source "$(dirname "$0")/wine.sh"

rm -rf "$work"
mkdir -p "$work/pictures"
# A console program needs no display; without one Wine also opens no configuration window.
unset DISPLAY WAYLAND_DISPLAY
export LC_ALL=C.UTF-8  # the names' bytes reach Wine as UTF-8
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT

wine_prefix_init "$work/prefix"

cd "$work/pictures"
# Odd widths, so that the BMP rows need padding.
convert rose: -crop 69x45+0+0 +repage -colors 64 -interlace GIF "玫瑰 роза.gif"
convert rose: -crop 67x43+1+1 +repage -quality 85 rose.jpg

passed=0
failed=0

# Both builds on the same picture: the same exit status, the same messages (the exe writes
# them in text mode, so its lines end in "\r\n") and the same BMP bytes. Paths stay
# relative: Wine resolves them against the current directory on drive Z:.
same_as_native() {
  local picture=$1 win_status=0 native_status=0 problem=
  "$wine" "$exe" "$picture" "$picture.win32.bmp" 2>"$picture.win32.err" || win_status=$?
  "$native" "$picture" "$picture.native.bmp" 2>"$picture.native.err" || native_status=$?
  if [ "$win_status" -ne "$native_status" ]; then
    problem="exit status $win_status, natively $native_status: $(tr -d '\r' <"$picture.win32.err")"
  elif ! tr -d '\r' <"$picture.win32.err" | cmp -s - "$picture.native.err"; then
    problem="messages differ: $(tr -d '\r' <"$picture.win32.err")"
  elif [ "$native_status" -eq 0 ] && ! cmp -s "$picture.win32.bmp" "$picture.native.bmp"; then
    problem="the BMP files differ"
  fi
  if [ -z "$problem" ]; then
    echo "PASS $picture"; passed=$((passed + 1))
  else
    echo "FAIL $picture: $problem"; failed=$((failed + 1))
  fi
}

same_as_native "玫瑰 роза.gif"
same_as_native rose.jpg
same_as_native missing.gif

# A BMP converted onto itself: the source is closed before the copy takes its place.
cp rose.jpg.native.bmp self.bmp
if "$wine" "$exe" self.bmp self.bmp 2>/dev/null && cmp -s self.bmp rose.jpg.native.bmp; then
  echo "PASS self.bmp"; passed=$((passed + 1))
else
  echo "FAIL self.bmp: not converted onto itself"; failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
