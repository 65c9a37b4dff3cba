#!/usr/bin/env bash
# The Image List, Options and About dialogs opened from the main window's menus, driven
# with the mouse and keys, and what they leave in the list file and the stored settings;
# the help documents handed to the desktop's opener (a recording stand-in) without an
# error; the start-up entry as the desktop's autostart file.
source "$(dirname "$0")/session.sh"
start_display
folder=$(dirname "$PROGRAM")

record_opened_documents

pictures=$WORLD/pictures
mkdir -p "$pictures"
for name in red green blue; do solid_bmp "$pictures/$name.bmp" "$name"; done
write_list "$pictures/red.bmp" "$pictures/green.bmp" "$pictures/blue.bmp"
store_settings freq=0 mins=30.00 pick=1 lastindex=1
start_program
show_main_window

# pixel_of WINDOW X Y: a pixel of a window's screenshot as "r,g,b".
pixel_of() {
    convert "$SHOTS/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# has_blue_text SHOT AREA: blue text in that part of a screenshot (its smoothed edges are
# paler blues) and no text of another colour.
has_blue_text() {
    convert "$SHOTS/$1.png" -crop "$2" -depth 8 txt:- | awk -F'[(,)]' 'NR > 1 {
        if ($5 == 255 && $3 == $4 && $3 < 100) blue++
        else if (!($5 == 255 && $3 == $4)) other++
    } END { exit !(blue > 10 && other == 0) }'
}

# Image List (File > View/Edit Image List): the entries of the file, the second one
# selected with the keys and deleted; the file holds the other two after the Yes.
choose_from_menu alt+f v
await_window "Kaleidra Image List"
list=$WINDOW
shoot_window "$list" image-list-dialog
[ "$(pixel_of image-list-dialog 3 400)" = 255,255,255 ] || fail "the Image List's face is not white"
xdotool mousemove --window "$list" 60 53 click 1 key Down
xdotool mousemove --window "$list" 424 24 click 1   # Delete Selection
answer_box Confirmation Return
[ "$(cat "$LIST")" = "$(printf '%s\n' "$pictures/red.bmp" "$pictures/blue.bmp")" ] ||
    fail "the list file holds: $(cat "$LIST")"
# A double-click on an entry opens it with the desktop's viewer.
xdotool mousemove --window "$list" 60 66 click --repeat 2 --delay 80 1
wait_for 5 opened_count_is 1 || fail "the entry was not opened"
grep -qx ".*|$pictures/blue.bmp" "$OPENED" || fail "opened: $(cat "$OPENED")"
press_in "$list" Escape
wait_for 5 gone "Kaleidra Image List" || fail "Escape did not close the Image List"

# opened_last N DOCUMENT: N opened so far, the last the document beside the program, from its folder.
opened_last() { wait_for 5 opened_count_is "$1" && [ "$(tail -n1 "$OPENED")" = "$folder|$folder/$2" ]; }

# Options (Application > Options): its help by F1; a click on "Once a day" and on the check
# box, then OK and the note, and both are stored.
choose_from_menu alt+a o
await_window "Kaleidra Options"
options=$WINDOW
shoot_window "$options" options-dialog
[ "$(pixel_of options-dialog 150 220)" = 255,255,255 ] || fail "the Options face is not white"
has_blue_text options-dialog 180x20+30+15 || fail "the check box's label is not blue"
has_blue_text options-dialog 150x20+10+60 || fail "the group box's title is not blue"
xdotool key F1
opened_last 2 options.htm || fail "F1 in Options opened: $(cat "$OPENED")"
press_in "$options"
xdotool mousemove --window "$options" 30 131 click 1   # Once a day
xdotool mousemove --window "$options" 19 26 click 1    # Randomly pick, which takes the focus
press_in "$options" Return
answer_box Kaleidra Return
wait_for 5 gone "Kaleidra Options" || fail "OK did not close the Options"
wait_for 5 stored freq 1 || fail "freq is '$(setting freq)'"
stored pick 0 || fail "pick is '$(setting pick)', not 0"
# Enter on a focused push button presses that one: Cancel, with no note and nothing taken.
choose_from_menu alt+a o
await_window "Kaleidra Options"
xdotool mousemove --window "$WINDOW" 19 26 click 1 key shift+Tab Return
wait_for 5 gone "Kaleidra Options" && [ -z "$(window_titled Kaleidra)" ] && stored pick 0 || fail "Enter on Cancel did not cancel"

# About (Help > About): the brick wall stretched over the whole client area, under the
# three lines of text; OK closes it.
choose_from_menu alt+h a
await_window "About This Program"
about=$WINDOW
shoot_window "$about" about-dialog
read -r width height < <(xdotool getwindowgeometry "$about" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
for corner in "1 1" "$((width - 2)) 1" "1 $((height - 2))" "$((width - 2)) $((height - 2))"; do
    [ "$(pixel_of about-dialog $corner)" != 255,255,255 ] || fail "no wall at the corner $corner"
done
xdotool key Return
wait_for 5 gone "About This Program" || fail "OK did not close the About box"

press_in "$(main_window)" F1
opened_last 3 krindex.htm || fail "F1 opened: $(cat "$OPENED")"
[ -z "$(window_titled kaleidra)" ] || fail "an error box appeared"

# Application > Automatically run...: the autostart entry, confirmed in a box.
entry=$XDG_CONFIG_HOME/autostart/kaleidra.desktop
choose_from_menu alt+a Down Return
answer_box Kaleidra Return
[ "$(cat "$entry")" = "$(printf '%s\n' '[Desktop Entry]' Type=Application Name=Kaleidra \
    'Comment=Kaleidra 3.0 shortcut' Icon=kaleidra "Exec=$PROGRAM" "Path=$folder/")" ] || fail "the entry is: $(cat "$entry")"
echo "dialogs: ok"
