#!/bin/sh
# Runs every fuzz target for the given number of seconds, as many at once as there are
# processors, over a scratch corpus in the build folder (seeded from the repository's files,
# kept between runs), and prints one line per target. Fails when any target found a crash, a
# leak or a hang.
#   sh tests/fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -u
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seeds() {
    case $1 in
    ini_reader) ls "$root"/data/Puzzles/*/*.zpz "$root"/tests/tools/data/*.zpz "$here"/corpus/*/* ;;
    puzzle_text) ls "$root"/data/Puzzles/*/*.zpz "$root"/tests/tools/data/*.zpz ;;
    saved_game) ls "$root"/tests/tools/data/*.zpz "$here"/corpus/saved_game/* \
                   "$root"/data/Puzzles/Tutorial/*.zpz ;;
    settings_text) ls "$here"/corpus/settings/* ;;
    resume) ls "$here"/corpus/resume/* "$here"/corpus/saved_game/* ;;
    puzzle_code) ls "$here"/corpus/puzzle_code/* ;;
    esac
}
mkdir -p "$build/logs" "$build/artifacts"
# One target: its line goes to logs/TARGET.result, starting with "fuzz TARGET: FAILED" when
# it found something.
run_one() {
    t=$1
    mkdir -p "$build/corpus/$t"
    seeds "$t" | while IFS= read -r f; do    # named by content, as libFuzzer names its finds
        cp "$f" "$build/corpus/$t/$(sha1sum <"$f" | cut -c1-40)"
    done
    log="$build/logs/$t.log"
    if [ "$t" = puzzle_code ]; then # one line without INI tokens; its alphabet is in the seeds
        set -- -max_len=256
    else
        set -- -max_len=8192 -dict="$here/ini.dict"
    fi
    "$build/fuzz_$t" "$build/corpus/$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        "$@" -artifact_prefix="$build/artifacts/$t-" \
        -print_final_stats=1 >"$log" 2>&1
    status=$?
    # After a crash there is no "Done" line: the last progress line tells how far it got.
    runs=$(sed -n 's/^Done \([0-9]*\) runs in.*/\1/p' "$log")
    [ -n "$runs" ] || runs=$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#')
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*/[0-9]*[a-zA-Z]*' "$log" | tail -1)
    echo "$(date +%F.%T) $t seconds=$seconds runs=${runs:-0} exit=$status $cov" >>"$build/runs.txt"
    if [ "$status" -eq 0 ] && [ -n "$runs" ]; then
        echo "fuzz $t: $runs runs, no crash ($cov)" >"$build/logs/$t.result"
    else
        { echo "fuzz $t: FAILED (exit $status) after ${runs:-0} runs; log $log"
          grep -E 'ERROR|SUMMARY|check failed|runtime error|Test unit written' "$log" | head -20
        } >"$build/logs/$t.result"
    fi
}
targets=${*:-ini_reader puzzle_text saved_game settings_text resume puzzle_code}
at_once=$(nproc 2>/dev/null || echo 1)
running=0
for t in $targets; do
    run_one "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$at_once" ]; then
        wait
        running=0
    fi
done
wait
failed=0
for t in $targets; do
    if grep -q "^fuzz $t: FAILED" "$build/logs/$t.result"; then
        failed=1
        cat "$build/logs/$t.result" >&2
    else
        cat "$build/logs/$t.result"
    fi
done
exit $failed
