# The world of one end-to-end test of the qt program: a fresh home and XDG folders, a
# virtual X display (Xvfb -noreset) with trayer as the tray host, and helpers that drive
# the program from outside and wait on conditions. Sourced by each test script.
# Usage of a test: TEST.sh PROGRAM SHOTS_DIR

set -euo pipefail
[ -n "${E2E_TRACE:-}" ] && set -x

PROGRAM=$(realpath "$1")
SHOTS=$2
mkdir -p "$SHOTS"
WORLD=$(mktemp -d "${TMPDIR:-/tmp}/kaleidra-e2e-XXXXXX")
export HOME=$WORLD/home
export XDG_DATA_HOME=$WORLD/data XDG_CONFIG_HOME=$WORLD/config XDG_CACHE_HOME=$WORLD/cache
export XDG_RUNTIME_DIR=$WORLD/runtime
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME DBUS_SESSION_BUS_ADDRESS
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
LIST=$XDG_DATA_HOME/kaleidra/Kaleidra.LST
SETTINGS=$XDG_CONFIG_HOME/kaleidra/settings.reg
TITLE="Kaleidra 3.0  "
PIDS=()

finish() {
    local status=$?
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if [ $status -ne 0 ]; then
        echo "--- program output" >&2
        cat "$WORLD"/program*.log >&2 2>/dev/null || true
    fi
    [ -n "${E2E_KEEP:-}" ] && echo "kept $WORLD" >&2 || rm -rf "$WORLD"
}
trap finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_for SECONDS COMMAND...: polls the command every 0.1 s until it succeeds.
wait_for() {
    local limit=$1; shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# start_display [--no-tray]: Xvfb picks a free display number and writes it.
start_display() {
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$WORLD/display" >"$WORLD/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 test -s "$WORLD/display" || fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$WORLD/display")
    [ "${1:-}" = --no-tray ] || start_tray
}

start_tray() {
    trayer --edge top --align right --widthtype request --height 32 --SetDockType false >"$WORLD/trayer.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 xdotool search --class '^trayer$' >/dev/null || fail "trayer did not start"
}

# start_program [LOG]: the program in the background; its pid in PROGRAM_PID.
start_program() { "$PROGRAM" >"$WORLD/program${1:-}.log" 2>&1 & PROGRAM_PID=$!; PIDS+=($PROGRAM_PID); }

# A search of the window tree fails when a window goes in the middle of it (a dialog just
# closed): a search that finds nothing is tried again before it counts.
search_windows() {
    local found
    for _ in 1 2 3; do
        found=$(xdotool search "$@" 2>/dev/null) && break
        sleep 0.1
    done
    echo "$found" | head -n1
}
main_window() { search_windows --class '^KaleidraMainWindow$'; }
window_shown() { [ -n "$(xdotool search --onlyvisible --class '^KaleidraMainWindow$' 2>/dev/null | head -n1)" ]; }
window_hidden() { [ -n "$(main_window)" ] && ! window_shown; }
titled() { [ "$(xdotool getwindowname "$(main_window)")" = "$1" ]; }

# The program's icon in the tray: its window carries the program's own class.
tray_icon() { xdotool search --class '^kaleidra$' 2>/dev/null | head -n1; }

double_click_tray_icon() { xdotool mousemove --window "$(tray_icon)" 8 8 click --repeat 2 --delay 60 1; }

# setting NAME: the stored text of Software\Shareware\Kaleidra\3.0\NAME.
setting() {
    grep -A1 -F "[HKEY_LOCAL_MACHINE\\Software\\Shareware\\Kaleidra\\3.0\\$1]" "$SETTINGS" 2>/dev/null |
        sed -n 's/^@="\(.*\)"$/\1/p'
}

# store_settings NAME=TEXT...: the settings a previous run left.
store_settings() {
    mkdir -p "$(dirname "$SETTINGS")"
    for pair in "$@"; do
        printf '[HKEY_LOCAL_MACHINE\\Software\\Shareware\\Kaleidra\\3.0\\%s]\n@="%s"\n' "${pair%%=*}" "${pair#*=}"
    done >"$SETTINGS"
}

write_list() { mkdir -p "$(dirname "$LIST")" && printf '%s\n' "$@" >"$LIST"; }

# solid_bmp PATH COLOUR: a 64 x 64 24-bit BMP of one colour.
solid_bmp() { convert -size 64x64 "xc:$2" -type TrueColor "BMP3:$1"; }

# pixel X Y: the colour of a screen pixel as "r,g,b".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

shoot_window() { import -window "$1" "$SHOTS/$2.png"; }

# stored NAME TEXT: true when the setting holds the text.
stored() { [ "$(setting "$1")" = "$2" ]; }

# The program's visible windows: the main window, the tray icon, an open menu, its dialogs.
program_windows() { xdotool search --onlyvisible --classname '^kaleidra$' 2>/dev/null | wc -l; }
menu_opened() { [ "$(program_windows)" -gt "$WINDOWS_BEFORE_MENU" ]; }

# choose_from_menu MENU_KEY ITEM_KEY...: opens a menu of the main window with its Alt
# key and picks an item with the keys given.
choose_from_menu() {
    WINDOWS_BEFORE_MENU=$(program_windows)
    press_in "$(main_window)" "$1"
    shift
    wait_for 5 menu_opened || fail "the menu did not open"
    xdotool key "$@"
}

# press_in WINDOW KEY...: gives the window the keyboard focus, then presses the keys. A
# window that is still being mapped refuses the focus for a moment, so that is polled.
press_in() {
    local window=$1; shift
    wait_for 5 xdotool windowfocus --sync "$window" 2>/dev/null || fail "window $window takes no focus"
    [ $# -eq 0 ] || xdotool key "$@"
}

# window_titled TITLE: the first visible window of that exact title.
window_titled() { search_windows --onlyvisible --name "^$1\$"; }
titled_window_shown() { [ -n "$(window_titled "$1")" ]; }
gone() { [ -z "$(window_titled "$1")" ]; }
# await_window TITLE: waits for it, focuses it and gives its id in WINDOW.
await_window() {
    wait_for 5 titled_window_shown "$1" || fail "no window '$1'"
    WINDOW=$(window_titled "$1")
    press_in "$WINDOW"
}
# answer_box TITLE KEY: waits for a message box and answers it.
answer_box() {
    await_window "$1"
    xdotool key "$2"
    wait_for 5 gone "$1" || fail "the box '$1' stayed"
}

# A recording stand-in for the desktop's opener: a line per call, its folder and arguments.
record_opened_documents() {
    OPENED=$WORLD/opened
    mkdir -p "$WORLD/bin"
    cat >"$WORLD/bin/xdg-open" <<STANDIN
#!/bin/sh
echo "\$PWD|\$*" >>"$OPENED"
STANDIN
    chmod +x "$WORLD/bin/xdg-open"
    export PATH=$WORLD/bin:$PATH
}
opened_count_is() { [ "$(cat "$OPENED" 2>/dev/null | wc -l)" -eq "$1" ]; }

show_main_window() {
    wait_for 5 window_hidden || fail "the main window did not hide"
    wait_for 5 tray_icon >/dev/null || fail "no tray icon"
    double_click_tray_icon
    wait_for 5 window_shown || fail "the window did not show"
}
