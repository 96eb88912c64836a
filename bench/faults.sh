#!/usr/bin/env bash
# Fault runs: RUNS data reads and writes of radioprog-cli against a radiosim with a random
# fault, some of them cut short by a kill at a random time. Every run must end with the exit
# code that matches its message, within the silence limit, and a read that fails must leave
# the output file exactly as it was.
#
#   bench/faults.sh [BUILD_DIR] [RUNS] [JOBS]      (defaults: build/release, 1000, 4)
#
# Runs are independent (one radiosim each), JOBS of them at a time; the seed of a run is its
# number, so "bench/faults.sh --one BUILD_DIR SEED" repeats one run exactly.
set -euo pipefail
cd "$(dirname "$0")/.."

silence_ms=5000  # the session's time out: no reply for this long ends it
margin_ms=1500   # process start, the 500 ms port settle, scheduling on a loaded machine

# One run; prints "seed job fault kill at_ms code elapsed_ms verdict [why]".
one_run() {
    local build=$1 seed=$2
    local bin="$build/bin" work
    work=$(mktemp -d)
    RANDOM=$seed
    local job=read fault=none kill=none at_ms=0 fault_args=() cli_extra=()
    ((RANDOM % 2)) && job=write
    case $((RANDOM % 9)) in
        0) fault=none ;;
        1) fault=silent fault_args=(--silent) ;;
        2) fault=first-byte fault_args=(--first-byte "$(printf '%02X' $((RANDOM % 256)))") ;;
        3) fault=drop-byte fault_args=(--drop-byte $((RANDOM % 24))) ;;
        4) fault=extra-byte fault_args=(--extra-byte $((RANDOM % 24))) ;;
        5) fault=silent-after fault_args=(--silent-after $((RANDOM % 40))) ;;
        6) fault=reply-delay fault_args=(--reply-delay $((RANDOM % 200))) ;;
        7) fault=password fault_args=(--password "pw$((RANDOM % 100))") ;;
        8) fault=late-first-answer fault_args=(--first-reply-delay $((1000 + RANDOM % 2000))) ;;
    esac
    case $((RANDOM % 3)) in
        1) kill=radiosim at_ms=$((RANDOM % 3000)) ;;
        2) kill=cli at_ms=$((RANDOM % 3000)) ;;
    esac

    "$bin/radiosim" "${fault_args[@]}" >"$work/sim.out" 2>"$work/sim.err" &
    local sim_pid=$!
    for _ in $(seq 50); do
        [ -s "$work/sim.out" ] && break
        sleep 0.05
    done
    local device
    device=$(head -n 1 "$work/sim.out")

    # What the run may not change: the read's output file, the write's project file.
    local guarded
    if [ "$job" = read ]; then
        guarded="$work/out.Vkf"
        head -c 3000 /dev/urandom >"$guarded"
        set -- read --device "$device" -o "$guarded"
    else
        guarded="$work/in.Vkf"
        cp "$FAULTS_PROJECT" "$guarded"
        set -- write "$guarded" --device "$device"
    fi
    cp "$guarded" "$work/guarded.before"
    mkdir "$work/config"
    local files_before
    files_before=$(ls "$work" | wc -l)

    local start end code
    start=$(date +%s%3N)
    "$bin/radioprog-cli" --config "$work/config/none.ini" "$@" >"$work/cli.out" 2>"$work/cli.err" &
    local cli_pid=$!
    if [ "$kill" != none ]; then
        sleep "$(awk -v ms="$at_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
        if [ "$kill" = radiosim ]; then
            kill -KILL "$sim_pid" 2>/dev/null || true
        else
            kill -INT "$cli_pid" 2>/dev/null || true
        fi
    fi
    code=0
    # (braces: the shell's own "Killed" notice for radiosim would otherwise mix in)
    { wait "$cli_pid" || code=$?; } 2>/dev/null
    end=$(date +%s%3N)
    kill -TERM "$sim_pid" 2>/dev/null || true
    { wait "$sim_pid" || true; } 2>/dev/null
    local elapsed=$((end - start))

    local verdict=ok why="" said
    said=$(cat "$work/cli.out" "$work/cli.err")
    local expected_text
    case $code in
        0) expected_text="SUCCESS" ;;
        1) expected_text="Communication False" ;;
        2) expected_text="Password Error" ;;
        3) expected_text="Device is old version" ;;
        130) expected_text="Stopped." ;;
        *) expected_text="" ;;
    esac
    if [ -z "$expected_text" ]; then
        verdict=FAIL why="unexpected exit code"
    elif ! grep -qF "$expected_text" <<<"$said"; then
        verdict=FAIL why="exit $code without \"$expected_text\""
    fi
    # Exit codes each fault allows.
    local allowed="0 1 2 3"
    case $fault in
        none | reply-delay | late-first-answer) allowed="0" ;;
        silent) allowed="1" ;;
        password) allowed="2" ;;
    esac
    [ "$kill" = radiosim ] && allowed="$allowed 1"
    [ "$kill" = cli ] && allowed="$allowed 130"
    if [ "$verdict" = ok ] && ! grep -qw -- "$code" <<<"$allowed"; then
        verdict=FAIL why="exit $code, expected one of: $allowed"
    fi
    # The run may last as long as a clean transfer plus the faults' delays, and then no more
    # than the silence limit once the radio has gone quiet.
    local quiet_ms=2000
    case $fault in
        silent) quiet_ms=0 ;;
        reply-delay) quiet_ms=$((2000 + 40 * ${fault_args[1]})) ;;
        late-first-answer) quiet_ms=$((2000 + ${fault_args[1]})) ;;
    esac
    [ "$kill" = radiosim ] && [ "$at_ms" -lt "$quiet_ms" ] && quiet_ms=$at_ms
    local limit=$((quiet_ms + silence_ms + margin_ms))
    [ "$kill" = cli ] && limit=$((at_ms + margin_ms < limit ? at_ms + margin_ms : limit))
    if [ "$verdict" = ok ] && [ "$elapsed" -gt "$limit" ]; then
        verdict=FAIL why="took ${elapsed} ms, limit ${limit} ms"
    fi
    if [ "$verdict" = ok ] && { [ "$code" -ne 0 ] || [ "$job" = write ]; }; then
        if ! cmp -s "$guarded" "$work/guarded.before"; then
            verdict=FAIL why="$job changed $(basename "$guarded")"
        elif [ "$(ls "$work" | wc -l)" -ne "$((files_before + 2))" ]; then
            verdict=FAIL why="files left behind: $(ls "$work" | tr '\n' ' ')"
        fi
    fi
    if [ "$verdict" != ok ]; then
        why="$why; the tool said: $(tail -n 2 "$work/cli.err" | tr '\r\n' '  ')"
    fi
    echo "$seed $job $fault $kill $at_ms $code $elapsed $verdict $why"
    rm -rf "$work"
}

if [ "${1:-}" = "--one" ]; then
    one_run "$2" "$3"
    exit 0
fi

build=${1:-build/release}
runs=${2:-1000}
jobs=${3:-4}
for program in radioprog-cli radiosim; do
    if [ ! -x "$build/bin/$program" ]; then
        echo "$build/bin/$program is missing; build first (./run builds build/release)." >&2
        exit 1
    fi
done

# A project to write: what a clean radio holds.
results=$(mktemp)
project=$(mktemp --suffix=.Vkf)
# Reads keep a history: this run's go into its own folder, never the user's.
export XDG_DATA_HOME="$results.data"
trap 'rm -rf "$results" "$project" "$results.data"' EXIT
"$build/bin/radiosim" >"$project.sim" &
sim_pid=$!
for _ in $(seq 50); do
    [ -s "$project.sim" ] && break
    sleep 0.05
done
"$build/bin/radioprog-cli" --config /dev/null/none.ini read --device "$(head -n 1 "$project.sim")" \
    -o "$project" >/dev/null 2>&1
kill "$sim_pid"
wait "$sim_pid" 2>/dev/null || true
rm -f "$project.sim"
export FAULTS_PROJECT=$project

script=$(realpath "$0")
seq 1 "$runs" | xargs -P "$jobs" -I{} bash "$script" --one "$build" {} | tee "$results" |
    awk '$8 != "ok"' >&2
awk -v runs="$runs" '
    { n++; by[$6]++; fault[$3]++; if ($8 == "ok") { ok++; passed[$3]++ } if ($7 > max) max = $7; sum += $7 }
    END {
        printf "runs: %d, passed: %d, failed: %d\n", n, ok, n - ok
        printf "exit codes:"; for (c in by) printf " %s x%d", c, by[c]; printf "\n"
        printf "faults (passed/runs):"; for (f in fault) printf " %s %d/%d", f, passed[f], fault[f]; printf "\n"
        printf "elapsed: mean %d ms, longest %d ms\n", sum / n, max
        exit (ok == runs ? 0 : 1)
    }' "$results"
