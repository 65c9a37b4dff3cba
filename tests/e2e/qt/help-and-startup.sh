#!/usr/bin/env bash
# The help documents handed to the desktop's opener (a recording stand-in) without an
# error, and the start-up entry: written once, then reported as already there.
source "$(dirname "$0")/session.sh"
start_display
record_opened_documents
folder=$(dirname "$PROGRAM")
start_program
show_main_window

# opened_last DOCUMENT: the last opened is the document beside the program, from its folder.
opened_last() {
    [ "$(tail -n1 "$OPENED")" = "$folder|$folder/$1" ]
}
no_error_box() {
    [ -z "$(window_titled kaleidra)" ] || fail "an error box appeared"
}

press_in "$(main_window)" F1
wait_for 5 opened_count_is 1 && opened_last krindex.htm || fail "F1 opened: $(cat "$OPENED" 2>/dev/null)"
choose_from_menu alt+h h
wait_for 5 opened_count_is 2 && opened_last krindex.htm || fail "Help topics opened: $(cat "$OPENED")"
choose_from_menu alt+a o
await_window "Kaleidra Options"
xdotool key F1
wait_for 5 opened_count_is 3 && opened_last options.htm || fail "F1 in Options opened: $(cat "$OPENED")"
xdotool mousemove --window "$WINDOW" 280 82 click 1   # Help
wait_for 5 opened_count_is 4 && opened_last options.htm || fail "Help in Options opened: $(cat "$OPENED")"
press_in "$WINDOW" Escape
wait_for 5 gone "Kaleidra Options" || fail "Escape did not close the Options"
no_error_box

# Application > Automatically run...: the autostart entry, then the note that it is there,
# a shorter box, and the entry as it was.
entry=$XDG_CONFIG_HOME/autostart/kaleidra.desktop
box_height() {
    xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\)/\1/p'
}
choose_from_menu alt+a Down Return
await_window Kaleidra
first_height=$(box_height)
xdotool key Return
[ "$(cat "$entry")" = "$(printf '%s\n' '[Desktop Entry]' Type=Application Name=Kaleidra \
    'Comment=Kaleidra 3.0 shortcut' "Exec=$PROGRAM" "Path=$folder/")" ] || fail "the entry is: $(cat "$entry")"
wait_for 5 stored autolaunch 1 || fail "autolaunch is '$(setting autolaunch)'"
written=$(stat -c %Y.%i "$entry")
choose_from_menu alt+a Down Return
await_window Kaleidra
[ "$(box_height)" -lt "$first_height" ] || fail "the second box is not the shorter note"
xdotool key Return
[ "$(stat -c %Y.%i "$entry")" = "$written" ] || fail "the entry was written again"
echo "help-and-startup: ok"
