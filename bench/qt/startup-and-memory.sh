#!/usr/bin/env bash
# Start-up time to hidden and idle memory (RSS) of the program against a minimal Qt
# widgets program that opens and hides one window, in the same run, under Xvfb with
# trayer. Usage: bench/qt/startup-and-memory.sh [RUNS]  (after building the default preset)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
program=build/default/bin/kaleidra
minimal=build/default/bin/kaleidra_bench_minimal
[ -x "$program" ] && [ -x "$minimal" ] || { echo "build the default preset first" >&2; exit 1; }

world=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$world"' EXIT
export HOME=$world/home XDG_DATA_HOME=$world/data XDG_CONFIG_HOME=$world/config XDG_RUNTIME_DIR=$world/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$world/display" 2>/dev/null &
pids+=($!)
until [ -s "$world/display" ]; do sleep 0.05; done
export DISPLAY=:$(head -n1 "$world/display")
trayer --edge top --align right --widthtype request --height 32 >/dev/null 2>&1 &
pids+=($!)
until xdotool search --class '^trayer$' >/dev/null 2>&1; do sleep 0.05; done

# run_once PROGRAM SEARCH...: prints "milliseconds-to-hidden rss-kB".
run_once() {
    local binary=$1; shift
    local start end pid
    start=$(date +%s%N)
    "$binary" >/dev/null 2>&1 &
    pid=$!
    until [ -n "$(xdotool search --onlyvisible "$@" 2>/dev/null)" ]; do sleep 0.005; done
    until [ -z "$(xdotool search --onlyvisible "$@" 2>/dev/null)" ]; do sleep 0.005; done
    end=$(date +%s%N)
    sleep 2  # idle: what it holds once start-up is over
    echo "$(((end - start) / 1000000)) $(awk '/^VmRSS/ {print $2}' /proc/$pid/status)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
}

median() {
    sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}

for ((i = 0; i < runs; i++)); do
    run_once "$program" --class '^KaleidraMainWindow$' >>"$world/program"
    run_once "$minimal" --name '^Minimal window$' >>"$world/minimal"
done
for column in 1 2; do
    p=$(cut -d' ' -f$column "$world/program" | median)
    m=$(cut -d' ' -f$column "$world/minimal" | median)
    name=$([ $column = 1 ] && echo "start-up to hidden (ms)" || echo "idle RSS (kB)")
    echo "$name: program $p, minimal Qt window $m, ratio $(awk -v p="$p" -v m="$m" 'BEGIN {printf "%.2f", p / m}')"
done
