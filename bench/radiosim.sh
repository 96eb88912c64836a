# Sourced by the benchmarks: the programs they need, and a simulated radio to run them on.

# require_programs BIN_DIR PROGRAM...: stops the script when one of them is not built.
require_programs() {
    local bin=$1
    shift
    for program in "$@"; do
        if [ ! -x "$bin/$program" ]; then
            echo "$bin/$program is missing; build first (./run builds build/release)." >&2
            exit 1
        fi
    done
}

# start_radiosim BIN_DIR WORK_DIR [OPTION...]: starts radiosim in the background and waits
# until it has named its device; sets sim_pid and device.
start_radiosim() {
    local bin=$1 work=$2
    shift 2
    "$bin/radiosim" "$@" >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 50); do
        [ -s "$work/sim.out" ] && break
        sleep 0.1
    done
    device=$(head -n 1 "$work/sim.out")
    if [ -z "$device" ]; then
        echo "radiosim did not start: $(cat "$work/sim.err")" >&2
        exit 1
    fi
}

# begin_work_folder: a scratch folder for the run in $work, removed at exit together with the
# simulator start_radiosim started. Reads keep their history there, never in the user's.
begin_work_folder() {
    work=$(mktemp -d)
    export XDG_DATA_HOME="$work/data"
    sim_pid=
    trap end_work_folder EXIT
}

end_work_folder() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
