#!/bin/sh
# Runs the benchmarks of BUILD_DIR/bench and prints their figures as one
# table: figure | measured | bound | ratio | target | met.
#   scripts/bench.sh [BUILD_DIR]        (make bench)
# Each program's own report goes to BUILD_DIR/bench/<program>.log.
set -u
build=${1:-build}
bench=$build/bench
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT

row() { printf '%s|%s|%s|%s|%s|%s\n' "$1" "$2" "$3" "$4" "$5" "$6" >>"$rows"; }

# run PROGRAM ARGS...: its output on stdout, also kept in its log; empty when
# the program is missing or fails.
run() {
    program=$1
    shift
    log="$bench/$program.log"
    if [ ! -x "$bench/$program" ]; then
        echo "bench.sh: $bench/$program is not built" >&2
        return
    fi
    echo "bench.sh: $program $*" >&2
    if "$bench/$program" "$@" >"$log" 2>&1; then
        cat "$log"
    else
        echo "bench.sh: $program failed, see $log" >&2
    fi
}

# yes when $1 < $2 (numbers)
below() { awk -v a="$1" -v b="$2" 'BEGIN { print (a != "" && a + 0 < b + 0) ? "yes" : "no" }'; }

# Read, Write All and the upgrade, unpaced and over a 115200-baud line; idle
# CPU of the window with the port open; peak memory.
session=$(run bench_session)
if [ -n "$session" ]; then
    printf '%s\n' "$session" | sed -n 's/^ROW|//p' >>"$rows"
else
    row "read, Write All, upgrade (bench_session)" "failed" "" "" "" "no"
fi

# The upgrade through the session alone, against the device unpaced.
firmware=$(run bench_firmware --baud 0 --runs 1 --mode session)
fw=$(printf '%s\n' "$firmware" | sed -n 's/^ *session *\([0-9.]*\) s *\([0-9.]*\) ms per block.*/\1 s (\2 ms a block)/p')
row "upgrade 262144 B, unpaced, session only" "${fw:-failed}" "" "" "" ""

# The serial link alone, idle with the port open.
idle=$(run bench_serial_idle)
cpu=$(printf '%s\n' "$idle" | sed -n 's/^serial idle, port open 5 s: \([0-9.]*\)%.*/\1/p')
row "CPU while idle, serial link only" "${cpu:-?} % of a core" "" "" "< 1 %" "$(below "$cpu" 1)"

# The whole window idle with the port closed (watching for ports) and open.
windowidle=$(run bench_window_idle)
if [ -n "$windowidle" ]; then
    printf '%s\n' "$windowidle" | sed -n 's/^ROW|//p' >>"$rows"
else
    row "CPU while idle, window (bench_window_idle)" "failed" "" "" "< 1 %" "no"
fi

# The window's memory while a device floods the link with 150 MiB of noise
# that never ends a line, and whether an answer after the flood is taken.
flood=$(run bench_flood --megabytes 150)
if [ -n "$flood" ]; then
    printf '%s\n' "$flood" | sed -n 's/^ROW|//p' >>"$rows"
else
    row "resident under a noise flood (bench_flood)" "failed" "" "" "< 150 MiB" "no"
fi

# velomi-cli: one device, four and eight at once at 115200 baud, and its
# start-to-exit time beyond the read.
cli=$(run bench_cli)
if [ -n "$cli" ]; then
    printf '%s\n' "$cli" | sed -n 's/^ROW|//p' >>"$rows"
else
    row "velomi-cli read (bench_cli)" "failed" "" "" "" "no"
fi

# Process start to the window painted.
startup=$(run bench_startup)
ms=$(printf '%s\n' "$startup" | sed -n 's/^start to window shown.*: \([0-9.]*\) ms$/\1/p')
row "time to the first window" "${ms:-?} ms" "500 ms" "" "< 0.5 s" "$(below "$ms" 500)"

echo
awk -F'|' '
    { for (i = 1; i <= 6; ++i) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
    END {
        split("figure|measured|bound|ratio|target|met", head, "|")
        for (i = 1; i <= 6; ++i) if (length(head[i]) > w[i]) w[i] = length(head[i])
        line = ""
        for (i = 1; i <= 6; ++i) line = line sprintf("%-*s%s", w[i], head[i], i < 6 ? " | " : "\n")
        printf "%s", line
        for (i = 1; i <= 6; ++i) printf "%s%s", sprintf("%*s", w[i], "") , i < 6 ? "-+-" : "\n"
        for (r = 1; r <= NR; ++r) {
            line = ""
            for (i = 1; i <= 6; ++i) line = line sprintf("%-*s%s", w[i], cell[r, i], i < 6 ? " | " : "\n")
            printf "%s", line
        }
    }' "$rows" | sed '2s/ /-/g'
echo
echo "115200 baud: the window and velomi-devsim talk over an emulated serial line that"
echo "delivers every byte, both ways, when a real line would (10 bits a byte); the bound"
echo "is that line's time for the bytes exchanged, one exchange after the other. The"
echo "turnarounds are the tool's times from the last byte of an answer to its next"
echo "command (and the device's from a command to its answer), added up over one run."
echo "\"The tool's part\" is the wire time plus the tool's turnarounds alone: the rest of"
echo "the whole is the simulated device's turnarounds and the emulated line's own delay."
