#!/bin/sh
# Starts the simulated device on a pseudo-terminal and the tool connected to
# it; the device stops when the tool exits. Extra arguments go to the device
# (e.g. --version T41_KAL_V1.0 --echo).
set -e
BUILD=${1:-build}
[ $# -gt 0 ] && shift
DIR=$(mktemp -d)
trap 'kill $SIM 2>/dev/null; wait $SIM 2>/dev/null; rm -rf "$DIR"' EXIT INT TERM
"$BUILD/tools/devsim/velomi-devsim" --link "$DIR/device" "$@" >"$DIR/devsim.out" &
SIM=$!
for _ in $(seq 50); do [ -e "$DIR/device" ] && break; sleep 0.1; done
echo "Simulated device on $(head -n1 "$DIR/devsim.out") (linked as $DIR/device)"
"$BUILD/src/velomi" --port "$DIR/device" --open
