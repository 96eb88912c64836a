#!/usr/bin/env bash
# Eight radios written at once against one, each with its backup and read-back, against
# radios that keep 9600-baud timing (radiosim --pace --count 8): the time of the eight beside
# the time of one, the tool's own CPU during the eight, and its memory per radio.
#
#   time ratio    = write of 8 / write of 1          goal: at most 1.10
#   CPU           = (user + system) / elapsed of 8   goal: under 10 % of one core
#   memory/radio  = (peak RSS of 8 - peak RSS of 1) / 7   goal: under 2 MiB
#
#   bench/several_radios.sh [BUILD_DIR] [ROUNDS]      (defaults: build/release, 3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
rounds=${2:-3}
bin="$build/bin"
source bench/radiosim.sh
require_programs "$bin" radioprog-cli radiosim
if [ ! -x /usr/bin/time ]; then
    echo "/usr/bin/time is needed to measure radioprog-cli (apt-get install time)." >&2
    exit 1
fi

begin_work_folder
start_radiosim "$bin" "$work" --pace --count 8 --link "$work/radio"
cli=("$bin/radioprog-cli" --config "$work/none.ini" --history "$work/history")
"${cli[@]}" read --device "$work/radio1" -o "$work/radio.Vkf" >/dev/null 2>&1

one=(--device "$work/radio1")
eight=()
for n in $(seq 8); do eight+=(--device "$work/radio$n"); done

# run NAME DEVICE-OPTIONS...: one timed write; appends "elapsed user system peak-KiB".
run() {
    local name=$1
    shift
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" \
        "${cli[@]}" write "$work/radio.Vkf" --backup --verify "$@" >"$work/out" 2>&1 || {
        echo "$name failed:" >&2
        cat "$work/out" >&2
        exit 1
    }
    cat "$work/time" >>"$work/$name.txt"
}

for round in $(seq "$rounds"); do
    # In turns, so that a change in the machine's load falls on both.
    if [ $((round % 2)) -eq 1 ]; then
        run one "${one[@]}"
        run eight "${eight[@]}"
    else
        run eight "${eight[@]}"
        run one "${one[@]}"
    fi
done

mean() {  # file column
    awk -v c="$2" '{ s += $c } END { printf "%.3f", s / NR }' "$1"
}
one_s=$(mean "$work/one.txt" 1)
eight_s=$(mean "$work/eight.txt" 1)
eight_cpu=$(awk '{ s += ($2 + $3) / $1 } END { printf "%.1f", 100 * s / NR }' "$work/eight.txt")
one_kib=$(mean "$work/one.txt" 4)
eight_kib=$(mean "$work/eight.txt" 4)
ratio=$(echo "$eight_s / $one_s" | bc -l)
per_radio=$(echo "($eight_kib - $one_kib) / 7" | bc -l)

printf 'one radio      %6.3f s   peak RSS %6.0f KiB\n' "$one_s" "$one_kib"
printf 'eight radios   %6.3f s   peak RSS %6.0f KiB   CPU %s %% of one core\n' \
    "$eight_s" "$eight_kib" "$eight_cpu"
printf 'time ratio     %.3f (goal: at most 1.10)\n' "$ratio"
printf 'memory/radio   %.0f KiB (goal: under 2048)\n' "$per_radio"
status=0
[ "$(echo "$ratio > 1.10" | bc -l)" = 1 ] && status=1
[ "$(echo "$eight_cpu >= 10" | bc -l)" = 1 ] && status=1
[ "$(echo "$per_radio >= 2048" | bc -l)" = 1 ] && status=1
exit $status
