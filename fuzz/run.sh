#!/bin/sh
# Runs every fuzz target for a bounded time: fuzz/run.sh BUILD_DIR [SECONDS]
# New inputs go to BUILD_DIR/work/<target> (the seeds in fuzz/corpus stay as
# they are); a crash, hang or leak leaves its input in BUILD_DIR/artifacts and
# fails the run. Keep a reproducer by copying it into fuzz/corpus/<target>.
set -u
build=$1
seconds=${2:-60}
here=$(dirname "$0")
failed=0
for target in assembler_dispatch decoders profile; do
    mkdir -p "$build/work/$target" "$build/artifacts/$target"
    log="$build/$target.log"
    printf 'fuzz_%s for %s s ... ' "$target" "$seconds"
    if "$build/fuzz_$target" "$build/work/$target" "$here/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target/" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "clean, $runs runs"
    else
        echo "FAILED (see $log)"
        ls "$build/artifacts/$target"
        failed=1
    fi
done
exit $failed
