#!/usr/bin/env bash
# Start-up, the tray icon, a second start and Exit, seen from outside the program.
source "$(dirname "$0")/session.sh"
start_display

start_program
first=$PROGRAM_PID
wait_for 5 window_shown || fail "the main window did not appear"
titled "$TITLE" || fail "the title is '$(xdotool getwindowname "$(main_window)")'"
xprop -id "$(main_window)" _NET_WM_ICON | grep -q 'CARDINAL' || fail "the window has no icon"
wait_for 5 window_hidden || fail "the main window did not hide"
wait_for 5 tray_icon >/dev/null || fail "no tray icon"

# A second start shows the running copy's hidden window and ends with 0.
start_program -hidden
wait $PROGRAM_PID || fail "a second start ended with $?"
wait_for 5 window_shown || fail "a second start did not show the hidden window"
press_in "$(main_window)" Return
wait_for 5 window_hidden || fail "Enter did not hide the window"

import -window root -crop 160x40+864+0 "$SHOTS/tray.png"
double_click_tray_icon
wait_for 5 window_shown || fail "a double-click on the tray icon did not show the window"
shoot_window "$(main_window)" main-window-splash

# A second copy finds the first, asks the window manager to activate it and ends with 0.
# xev stands in for the window manager, which gets the request at the root.
stdbuf -oL xev -root -event substructure -event property >"$WORLD/root-events" 2>&1 &
PIDS+=($!)
xev_listens() {
    xprop -root -f _KALEIDRA_TEST 8s -set _KALEIDRA_TEST ping
    grep -q _KALEIDRA_TEST "$WORLD/root-events"
}
wait_for 5 xev_listens || fail "xev did not start"
start_program -second
second=$PROGRAM_PID
wait $second || fail "the second start ended with $?"
activated() {
    grep -A1 "^ClientMessage event, .*, window $(printf '0x%x' "$(main_window)")," "$WORLD/root-events" |
        grep -q '(_NET_ACTIVE_WINDOW)'
}
wait_for 5 activated || fail "the running copy was not activated"

# Exit: Esc asks, Yes (the default button) ends the program and takes the tray icon along.
press_in "$(main_window)" Escape
wait_for 5 xdotool search --name '^Confirmation$' >/dev/null || fail "no exit question"
press_in "$(xdotool search --name '^Confirmation$' | head -n1)" Return
wait_for 5 sh -c "! kill -0 $first 2>/dev/null" || fail "the program did not end"
wait "$first" || fail "the program ended with $?"
wait_for 5 sh -c '[ -z "$(xdotool search --class "^kaleidra\$")" ]' || fail "the tray icon outlived the program"
echo "startup: ok"
