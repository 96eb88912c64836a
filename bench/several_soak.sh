#!/usr/bin/env bash
# Two hundred radios in rounds of eight: each round one radioprog-cli writes eight radiosims
# at once with --backup --verify, each radio with a fault drawn at random, and every radio's
# result must be the one its fault allows. The tool's peak resident set is measured per round
# and must stay flat.
#
#   bench/several_soak.sh [BUILD_DIR] [ROUNDS] [SEED]   (defaults: build/release, 25, random)
#
# Faults and the result each allows:
#   none, a reply delay of up to 100 ms        success, verify agreed
#   --silent                                   communication-false
#   --drop-write 0x8080 (channel 1)            verify-failed, verify differs
#   --killed-after-writes 1..8                 communication-false-half-written
# The soak passes with every result right and the last five rounds' peak RSS at most 512 KiB
# above the first five's.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
rounds=${2:-25}
RANDOM=${3:-$$}
bin="$build/bin"
source bench/radiosim.sh
require_programs "$bin" radioprog-cli radiosim
if [ ! -x /usr/bin/time ]; then
    echo "/usr/bin/time is needed to measure radioprog-cli (apt-get install time)." >&2
    exit 1
fi

begin_work_folder
sims=()
stop_sims() {
    for pid in "${sims[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    sims=()
}
trap 'stop_sims; end_work_folder' EXIT

cli=("$bin/radioprog-cli" --config "$work/none.ini" --history "$work/history")
# A project whose channel 1 differs from what the radios hold, so a dropped block shows.
start_radiosim "$bin" "$work" --link "$work/scene"
"${cli[@]}" read --device "$work/scene" -o "$work/radio.Vkf" >/dev/null 2>&1
"${cli[@]}" export-csv "$work/radio.Vkf" -o "$work/radio.csv" >/dev/null
kill "$sim_pid"
wait "$sim_pid" 2>/dev/null || true
sim_pid=
sed -i '2s/^1,[^,]*,[^,]*,/1,438.00000,438.00000,/' "$work/radio.csv"
"${cli[@]}" import-csv "$work/radio.csv" --base "$work/radio.Vkf" -o "$work/mine.Vkf" >/dev/null

failures=0
: >"$work/rss.txt"
started=$(date +%s)
for round in $(seq "$rounds"); do
    devices=()
    declare -A allowed=()
    for n in $(seq 8); do
        options=()
        case $((RANDOM % 5)) in
            0) options=(--silent) want="communication-false" ;;
            1) options=(--drop-write 0x8080) want="verify-failed, radio S, verify differs" ;;
            2)
                options=(--killed-after-writes $((RANDOM % 8 + 1)))
                want="communication-false-half-written, radio S, verify not-reached"
                ;;
            3) options=(--reply-delay $((RANDOM % 100))) want="success, radio S, verify agreed" ;;
            *) want="success, radio S, verify agreed" ;;
        esac
        "$bin/radiosim" "${options[@]}" --link "$work/r$n" >"$work/sim$n.out" 2>&1 &
        sims+=($!)
        devices+=(--device "$work/r$n")
        allowed["$work/r$n"]=$want
    done
    for n in $(seq 8); do
        for _ in $(seq 50); do [ -s "$work/sim$n.out" ] && break; sleep 0.1; done
    done
    /usr/bin/time -f '%M' -o "$work/rss" "${cli[@]}" write "$work/mine.Vkf" --backup --verify \
        "${devices[@]}" >"$work/out" 2>"$work/err" || true
    # time(1) puts a line of its own before the figure when the tool exits with a failure.
    tail -n 1 "$work/rss" >>"$work/rss.txt"
    for device in "${!allowed[@]}"; do
        line=$(grep -m1 "^$device: " "$work/out" || true)
        # A silent radio's line names its verify as not reached: only the start must match.
        if [[ "$line" != "$device: ${allowed[$device]}"* ]]; then
            failures=$((failures + 1))
            echo "round $round: $device: got \"${line#"$device: "}\", allowed \"${allowed[$device]}\"" >&2
        fi
    done
    stop_sims
    unset allowed
done
elapsed=$(($(date +%s) - started))

first=$(head -n 5 "$work/rss.txt" | awk '{ s += $1 } END { printf "%d", s / NR }')
last=$(tail -n 5 "$work/rss.txt" | awk '{ s += $1 } END { printf "%d", s / NR }')
read -r min max < <(sort -n "$work/rss.txt" | awk 'NR == 1 { a = $1 } { b = $1 } END { print a, b }')
echo "$rounds rounds of 8 radios in ${elapsed} s, $failures wrong results"
echo "radioprog-cli peak RSS per round: first five $first KiB, last five $last KiB, min $min, max $max"
[ "$failures" -eq 0 ] && [ $((last - first)) -le 512 ]
