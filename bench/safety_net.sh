#!/usr/bin/env bash
# What the safety net costs against a radio that keeps 9600-baud timing (radiosim --pace):
# a plain read, a plain write, `write --verify` and `write --backup`, timed in one run and
# in turns (one of each per round), so that a change in the machine's load falls on all four.
#
#   verify cost = (write --verify - write) / read
#   backup cost = (write --backup - write) / read      goal: at most 1.05 each
#
#   bench/safety_net.sh [BUILD_DIR] [ROUNDS]      (defaults: build/release, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
rounds=${2:-5}
bin="$build/bin"
source bench/radiosim.sh
require_programs "$bin" radioprog-cli radiosim

begin_work_folder

start_radiosim "$bin" "$work" --pace
# Every job keeps its history and log line as a user's would, in a folder of its own.
cli=("$bin/radioprog-cli" --config "$work/none.ini" --history "$work/history")

now_ms() { date +%s%3N; }

# The radio's own data, so that every write sends what the radio already holds.
"${cli[@]}" read --device "$device" -o "$work/radio.Vkf" >/dev/null 2>&1

jobs=(read write verify backup)
declare -A command best total
command[read]="read --device $device -o $work/r.Vkf"
command[write]="write $work/radio.Vkf --device $device"
command[verify]="write $work/radio.Vkf --device $device --verify"
command[backup]="write $work/radio.Vkf --device $device --backup"

for _ in $(seq "$rounds"); do
    for job in "${jobs[@]}"; do
        start=$(now_ms)
        # shellcheck disable=SC2086  # the command's words are split on purpose
        "${cli[@]}" ${command[$job]} 2>"$work/err.txt" >/dev/null || {
            echo "$job failed:" >&2
            cat "$work/err.txt" >&2
            exit 1
        }
        took=$(($(now_ms) - start))
        total[$job]=$((${total[$job]:-0} + took))
        if [ -z "${best[$job]:-}" ] || [ "$took" -lt "${best[$job]}" ]; then
            best[$job]=$took
        fi
    done
done

declare -A mean
for job in "${jobs[@]}"; do
    mean[$job]=$((total[$job] / rounds))
    printf '%-15s best %5d ms   mean %5d ms\n' "$job" "${best[$job]}" "${mean[$job]}"
done

cost() {  # extra job, figure (best or mean)
    local -n figure=$2
    echo "(${figure[$1]} - ${figure[write]}) / ${figure[read]}" | bc -l
}
status=0
for extra in verify backup; do
    by_best=$(cost "$extra" best)
    by_mean=$(cost "$extra" mean)
    verdict=ok
    if [ "$(echo "$by_mean > 1.05" | bc -l)" = 1 ]; then
        verdict="over the goal of 1.05"
        status=1
    fi
    printf '%-6s cost  %.3f x a read (best)   %.3f x a read (mean)   %s\n' \
        "$extra" "$by_best" "$by_mean" "$verdict"
done
exit $status
