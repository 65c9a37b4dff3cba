#!/usr/bin/env bash
# Opening a GIF from the file dialog: it is converted to a BMP beside its source and shown
# 1:1 at the top-left of the window, its path in the title. The dialog is driven with the
# keyboard (a typed path), which needs no drag-and-drop protocol between two clients.
source "$(dirname "$0")/session.sh"
start_display

gif=$WORLD/pictures/sun.gif
mkdir -p "$(dirname "$gif")"
# 40 x 30 of one colour with a red top-left corner.
convert -size 40x30 'xc:rgb(0,128,255)' -fill 'rgb(255,0,0)' -draw 'point 0,0' "$gif"

start_program
show_main_window
choose_from_menu alt+f Return
await_window "Choose an image file"
xdotool type --delay 5 "$gif"
xdotool key Return

wait_for 10 test -s "$gif.bmp" || fail "no BMP beside the GIF"
wait_for 10 titled "$TITLE$gif.bmp" || fail "the title is '$(xdotool getwindowname "$(main_window)")'"

# The preview: exactly the picture's pixels, not scaled, at the client area's corner.
shoot_window "$(main_window)" main-window-preview
convert "$SHOTS/main-window-preview.png" -depth 8 txt:- >"$WORLD/preview.txt"
blue_pixels=$(grep -c '#0080FF' "$WORLD/preview.txt") || true
[ "$blue_pixels" -eq $((40 * 30 - 1)) ] || fail "$blue_pixels preview pixels instead of $((40 * 30 - 1))"
# Upright: the red corner is the top-left one, at the left edge just below the menu bar.
corner=$(grep '#FF0000' "$WORLD/preview.txt" | cut -d: -f1)
[ "${corner%,*}" = 0 ] || fail "the red corner is at $corner"
grep -q "^0,$((${corner#*,} + 29)):.*#0080FF" "$WORLD/preview.txt" || fail "the picture is not below its corner"

# The right-click menu inside the client area, at the mouse: its second item adds the
# opened image to the list, confirmed in a message box.
WINDOWS_BEFORE_MENU=$(program_windows)
xdotool mousemove --window "$(main_window)" 200 200 click 3
wait_for 5 menu_opened || fail "no right-click menu"
xdotool key Down Down Return
answer_box Kaleidra Return  # the confirmation of the addition
[ "$(cat "$LIST")" = "$gif.bmp" ] || fail "the list holds '$(cat "$LIST")'"
echo "opening: ok"
