#!/usr/bin/env bash
# Times whole `radioprog-cli sheet` runs (process start, Qt's offscreen start, fonts, the PDF
# and its atomic write) for a project with every channel in use, in each language; prints the
# median and the best of RUNS runs. Usage: bench/sheet.sh [BUILD_DIR] [RUNS]
set -euo pipefail

build=${1:-build/release}
runs=${2:-11}
cli=$build/bin/radioprog-cli
sim=$build/bin/radiosim
work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A project read from a simulated radio, then all 16 channels put in use from a list.
"$sim" --kind Y >"$work/sim.out" &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
"$cli" --config "$work/c.ini" read --device "$(head -1 "$work/sim.out")" -o "$work/base.Vkf" \
    >/dev/null 2>&1
kill "$sim_pid"; wait "$sim_pid" 2>/dev/null || true; sim_pid=
{
    echo "NO.,RX Freq.,TX Freq.,QT/DQT Dec,QT/DQT Enc,TX Power,Bandwidth,Busy Inhibit,Name,SCN,DTMF,Squelch Mode"
    for n in $(seq 16); do
        echo "$n,4$((10 + n)).12500,4$((20 + n)).25000,88.5,D023N,High,Wide,OFF,CH$n,ADD,OFF,Carrier"
    done
} >"$work/full.csv"
"$cli" import-csv "$work/full.csv" --base "$work/base.Vkf" -o "$work/radio.Vkf"

for language in en zh-cn zh-tw; do
    times=()
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$cli" sheet "$work/radio.Vkf" -o "$work/sheet.pdf" --language "$language" 2>/dev/null
        times+=($(( ($(date +%s%N) - start) / 1000000 )))
    done
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    echo "sheet $language: median ${sorted[$((runs / 2))]} ms, best ${sorted[0]} ms ($runs runs)"
done
