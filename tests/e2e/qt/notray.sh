#!/usr/bin/env bash
# A session with no tray at start-up: the user is told once, the window stays within reach
# (without a window manager a minimized window stays on the screen) and a second start
# leaves it there; a tray that comes later gets the icon, whose double-click shows the
# window again.
source "$(dirname "$0")/session.sh"
start_display --no-tray

start_program
answer_box Kaleidra Return
sleep 1
[ -z "$(window_titled Kaleidra)" ] || fail "the notice came again"
window_shown || fail "the window was hidden with no tray to bring it back"
start_program -second
wait $PROGRAM_PID || fail "a second start ended with $?"
window_shown || fail "a second start took the window away"

start_tray
wait_for 5 tray_icon >/dev/null || fail "the tray that came later got no icon"
press_in "$(main_window)" Return
wait_for 5 window_hidden || fail "Enter did not hide the window"
double_click_tray_icon
wait_for 5 window_shown || fail "a double-click on the late icon did not show the window"
echo "notray: ok"
