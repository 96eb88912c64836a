#!/usr/bin/env bash
# Wall time of a data read and a data write against a radio that keeps 9600-baud timing
# (radiosim --pace), compared with the floor: the bytes' own time on the line plus the
# 500 ms the session waits after opening the port.
#
#   bench/session_speed.sh [BUILD_DIR] [RUNS]      (defaults: build/release, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-5}
bin="$build/bin"
source bench/radiosim.sh
require_programs "$bin" radioprog-cli radiosim

begin_work_folder

start_radiosim "$bin" "$work" --pace
cli=("$bin/radioprog-cli" --config "$work/none.ini")

# Bytes on the line (request + reply) of one job on a current radio:
#   handshake 7 + 1, password area 2 x (4 + 20), end byte 1;
#   read:  22 blocks x (4 + 20)
#   write: 9 calibration reads x (4 + 20) + 22 block writes x (20 + 1)
opening=$((7 + 1 + 2 * 24 + 1))
read_bytes=$((opening + 22 * 24))
write_bytes=$((opening + 9 * 24 + 22 * 21))
floor_ms() { echo $(($1 * 10 * 1000 / 9600 + 500)); }

now_ms() { date +%s%3N; }

measure() {  # name floor command...
    local name=$1 floor=$2
    shift 2
    local best= total=0
    for _ in $(seq "$runs"); do
        local start end took
        start=$(now_ms)
        "$@" 2>"$work/err.txt" >/dev/null || {
            echo "$name failed:" >&2
            cat "$work/err.txt" >&2
            exit 1
        }
        end=$(now_ms)
        took=$((end - start))
        total=$((total + took))
        if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
    done
    local mean=$((total / runs))
    printf '%-6s floor %5d ms   best %5d ms (%+.1f %%)   mean %5d ms (%+.1f %%)\n' \
        "$name" "$floor" "$best" "$(echo "($best - $floor) * 100 / $floor" | bc -l)" \
        "$mean" "$(echo "($mean - $floor) * 100 / $floor" | bc -l)"
}

measure read "$(floor_ms "$read_bytes")" "${cli[@]}" read --device "$device" -o "$work/r.Vkf"
measure write "$(floor_ms "$write_bytes")" "${cli[@]}" write "$work/r.Vkf" --device "$device"
