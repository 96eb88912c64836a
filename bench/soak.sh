#!/usr/bin/env bash
# Long run: CYCLES data reads and writes of radioprog-cli against one radiosim, counting
# failures and watching the resident memory of both programs.
#
#   bench/soak.sh [BUILD_DIR] [CYCLES] [--pace]      (defaults: build/release, 1000)
#
# Each cycle reads the radio into a project file and writes that file back. radiosim runs
# for the whole soak; its resident set (VmRSS) is sampled every tenth cycle. Every
# radioprog-cli run is measured by /usr/bin/time (peak resident set). The soak passes with
# zero failures, every read file identical to the first, and both memory figures flat: the
# last tenth of the run may not exceed the first tenth by more than 1 MiB (radiosim) or
# 512 KiB (radioprog-cli, peak per run).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cycles=${2:-1000}
pace=()
[ "${3:-}" = "--pace" ] && pace=(--pace)
bin="$build/bin"
source bench/radiosim.sh
require_programs "$bin" radioprog-cli radiosim
if [ ! -x /usr/bin/time ]; then
    echo "/usr/bin/time is needed to measure radioprog-cli (apt-get install time)." >&2
    exit 1
fi

begin_work_folder

start_radiosim "$bin" "$work" "${pace[@]}"
cli=("$bin/radioprog-cli" --config "$work/soak.ini")

sim_rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$sim_pid/status"; }

# Runs the CLI under /usr/bin/time; prints the peak RSS in KiB, fails with the CLI's code.
run_cli() {
    local log=$1
    shift
    /usr/bin/time -f '%M' -o "$work/rss" "${cli[@]}" "$@" >"$log" 2>&1 || return $?
    cat "$work/rss"
}

failures=0
: >"$work/sim-rss.txt"
: >"$work/cli-rss.txt"
started=$(date +%s)
for cycle in $(seq 1 "$cycles"); do
    if rss=$(run_cli "$work/read.log" read --device "$device" -o "$work/cycle.Vkf"); then
        echo "$rss" >>"$work/cli-rss.txt"
    else
        failures=$((failures + 1))
        echo "cycle $cycle: read failed: $(tail -n 2 "$work/read.log" | tr '\n' ' ')" >&2
        continue
    fi
    if [ "$cycle" -eq 1 ]; then
        cp "$work/cycle.Vkf" "$work/first.Vkf"
    elif ! cmp -s "$work/cycle.Vkf" "$work/first.Vkf"; then
        failures=$((failures + 1))
        echo "cycle $cycle: the radio read back different data" >&2
    fi
    if rss=$(run_cli "$work/write.log" write "$work/cycle.Vkf" --device "$device"); then
        echo "$rss" >>"$work/cli-rss.txt"
    else
        failures=$((failures + 1))
        echo "cycle $cycle: write failed: $(tail -n 2 "$work/write.log" | tr '\n' ' ')" >&2
    fi
    if [ $((cycle % 10)) -eq 0 ] || [ "$cycle" -eq 1 ]; then
        echo "$cycle $(sim_rss)" >>"$work/sim-rss.txt"
    fi
    if [ $((cycle % 100)) -eq 0 ]; then
        echo "cycle $cycle/$cycles: $failures failures, radiosim $(sim_rss) KiB" >&2
    fi
done
elapsed=$(($(date +%s) - started))

# Mean of the first and the last tenth of a column of numbers.
tenths() {
    awk '{ v[NR] = $NF } END {
        n = int(NR / 10); if (n < 1) n = 1
        for (i = 1; i <= n; i++) { a += v[i]; b += v[NR - n + i] }
        min = v[1]; max = v[1]
        for (i = 1; i <= NR; i++) { if (v[i] < min) min = v[i]; if (v[i] > max) max = v[i] }
        printf "%d %d %d %d\n", a / n, b / n, min, max }' "$1"
}
read -r sim_first sim_last sim_min sim_max < <(tenths "$work/sim-rss.txt")
read -r cli_first cli_last cli_min cli_max < <(tenths "$work/cli-rss.txt")

echo "cycles: $cycles (read + write each), radiosim ${pace[*]:-unpaced}, $elapsed s"
echo "failures: $failures"
echo "radiosim VmRSS KiB: first tenth $sim_first, last tenth $sim_last, min $sim_min, max $sim_max"
echo "radioprog-cli peak RSS KiB per run: first tenth $cli_first, last tenth $cli_last, min $cli_min, max $cli_max"
flat=1
[ $((sim_last - sim_first)) -le 1024 ] || flat=0
[ $((cli_last - cli_first)) -le 512 ] || flat=0
if [ "$failures" -eq 0 ] && [ "$flat" -eq 1 ]; then
    echo "PASS"
else
    echo "FAIL"
    exit 1
fi
