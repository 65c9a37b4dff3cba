#!/usr/bin/env bash
# One copy at a time: many started at once leave exactly one running, and what another
# user could leave in the temporary folder does not keep the program from starting.
source "$(dirname "$0")/session.sh"
start_display

copies=()
for _ in $(seq 40); do
    start_program -many
    copies+=("$PROGRAM_PID")
done
running() { local n=0; for pid in "${copies[@]}"; do kill -0 "$pid" 2>/dev/null && n=$((n + 1)); done; echo $n; }
one_running() { [ "$(running)" -eq 1 ]; }
wait_for 15 one_running || fail "$(running) of 40 copies are running"
sleep 2
one_running || fail "$(running) of 40 copies are running"
kill "${copies[@]}" 2>/dev/null || true

# Without X11 the running copy is found by its socket. Planted: a listener on the name
# earlier builds used, and a folder under our name that is open to all or a link, with a
# listener and a held lock inside.
uid=$(id -u)
export TMPDIR=$WORLD/tmp QT_QPA_PLATFORM=offscreen
unset XDG_RUNTIME_DIR
listen() { python3 -c 'import socket,sys,time; s=socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(); time.sleep(60)' "$1" & PIDS+=($!); }
plant() {
    mkdir -p "$1"
    listen "$1/KaleidraMainWindow"
    exec {lock}>"$1/KaleidraMainWindow.lock" && flock -n "$lock"
}
for planted in open link; do
    rm -rf "$TMPDIR" "$LIST" && mkdir -p "$TMPDIR"
    listen "$TMPDIR/kaleidra-$uid-KaleidraMainWindow"
    if [ $planted = open ]; then
        plant "$TMPDIR/kaleidra-$uid" && chmod 777 "$TMPDIR/kaleidra-$uid"
    else
        plant "$WORLD/hostile" && chmod 700 "$WORLD/hostile" && ln -s "$WORLD/hostile" "$TMPDIR/kaleidra-$uid"
    fi
    wait_for 5 test -S "$TMPDIR/kaleidra-$uid/KaleidraMainWindow" || fail "no planted listener"
    start_program "-$planted"
    wait_for 10 test -f "$LIST" || fail "$planted: the program did not start"
    kill -0 "$PROGRAM_PID" || fail "$planted: the program ended"
    kill "$PROGRAM_PID"
done
echo "instance: ok"
