#!/usr/bin/env bash
# The desktop tool's own figures, on the offscreen platform:
#   - cold start to the first painted main window, median of 10 (goal: at most 0.3 s);
#   - resident memory of the idle window and its CPU time over 3 idle seconds (goal: 60 MB,
#     and no CPU at all: no timer runs while no session does);
#   - a read and a write from the window against radiosim --pace, beside radioprog-cli in the
#     same run and the line's own time (goal: within 5 % of it).
#
#   bench/window.sh [BUILD_DIR] [RUNS]      (defaults: build/bench, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${2:-5}
bin="$build/bin"
source bench/radiosim.sh
for program in radioprog window-bench radioprog-cli radiosim; do
    if [ ! -x "$bin/$program" ]; then
        echo "$bin/$program is missing; build first:" >&2
        echo "  cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release &&" \
            "cmake --build $build --target radioprog window-bench radioprog-cli radiosim" >&2
        exit 1
    fi
done
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
# Reads keep a history: this run's go into its own folder, never the user's.
export XDG_DATA_HOME="$work/data"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
now_ns() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# Cold start: process start to the first paint of the main window, and out again.
"$bin/window-bench" --config "$work/warm.ini" >/dev/null  # the files in the page cache
for _ in $(seq 10); do
    rm -f "$work/start.ini"
    start=$(now_ns)
    "$bin/window-bench" --config "$work/start.ini"
    echo $((($(now_ns) - start) / 1000000))
done | median | awk '{printf "cold start to first paint (median of 10): %d ms\n", $1}'

# The idle window.
"$bin/radioprog" --config "$work/idle.ini" &
idle=$!
pids+=("$idle")
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(ticks "$idle")
sleep 3
after=$(ticks "$idle")
rss=$(awk '/VmRSS/ {print $2}' "/proc/$idle/status")
echo "idle window: resident $((rss / 1024)) MB, CPU over 3 idle seconds: $((after - before)) clock ticks ($(getconf CLK_TCK) per second)"
kill "$idle"

# Jobs against a radio that keeps 9600-baud timing; floor as in bench/session_speed.sh.
start_radiosim "$bin" "$work" --pace
pids+=("$sim_pid")
opening=$((7 + 1 + 2 * 24 + 1))
read_floor=$(((opening + 22 * 24) * 10 * 1000 / 9600 + 500))
write_floor=$(((opening + 9 * 24 + 22 * 21) * 10 * 1000 / 9600 + 500))
cli=("$bin/radioprog-cli" --config "$work/cli.ini")
cli_ms() {
    local start
    start=$(now_ns)
    "$@" >/dev/null 2>"$work/err.txt" || { cat "$work/err.txt" >&2; exit 1; }
    echo $((($(now_ns) - start) / 1000000))
}
report() {  # name floor values...
    local name=$1 floor=$2
    shift 2
    printf '%s\n' "$@" | median | awk -v n="$name" -v f="$floor" \
        '{printf "%-14s median %5d ms  floor %5d ms  over the floor %5.1f %%\n", n, $1, f, ($1 - f) * 100 / f}'
}
cli_read=() cli_write=() window_read=() window_write=()
for _ in $(seq "$runs"); do
    cli_read+=("$(cli_ms "${cli[@]}" read --device "$device" -o "$work/radio.Vkf")")
    cli_write+=("$(cli_ms "${cli[@]}" write "$work/radio.Vkf" --device "$device")")
    window_read+=("$("$bin/window-bench" --config "$work/window.ini" --device "$device" --job read)")
    window_write+=("$("$bin/window-bench" --config "$work/window.ini" --device "$device" --job write)")
done
report "cli read" "$read_floor" "${cli_read[@]}"
report "window read" "$read_floor" "${window_read[@]}"
report "cli write" "$write_floor" "${cli_write[@]}"
report "window write" "$write_floor" "${window_write[@]}"
