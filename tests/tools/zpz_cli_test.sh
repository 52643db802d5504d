#!/bin/bash
# Runs zpz on hand-written files and compares its output and exit status with what
# puzzle authors rely on. Usage: zpz_cli_test.sh ZPZ DATA_DIR
set -u
zpz=$1
cd "$2" || exit 2
failures=0

# expect STATUS EXPECTED_OUTPUT ARGS...
expect() {
    local want_status=$1 want_out=$2
    shift 2
    local out status
    out=$("$zpz" "$@" 2>/dev/null)
    status=$?
    if [[ $status != "$want_status" || $out != "$want_out" ]]; then
        echo "FAIL: zpz $*"
        echo "  status $status, expected $want_status"
        diff <(echo "$want_out") <(echo "$out") | sed 's/^/  /'
        failures=$((failures + 1))
    fi
}

# check: one line per file; saved games only with --figures.
expect 0 "tall.zpz: valid 6x10 open=60 figures=0
holes.zpz: valid 8x8 open=60 figures=0" check tall.zpz holes.zpz
expect 0 "stuck.zpz: valid 10x6 open=60 figures=2" check --figures stuck.zpz
expect 0 "twice.zpz: valid 10x6 open=60 figures=0" check twice.zpz
expect 1 "tall.zpz: valid 6x10 open=60 figures=0
twice.zpz: invalid: figure 1 listed twice" check --figures tall.zpz twice.zpz
expect 1 "short_row.zpz: invalid: ROW_3 has 9 cells, expected 10" check short_row.zpz
expect 2 "tall.zpz: valid 6x10 open=60 figures=0" check tall.zpz missing.zpz
expect 2 "" check
expect 2 "" check --bogus tall.zpz
expect 2 "" frobnicate

# solve: the analysis search's first tiling, or "no variant".
expect 0 "solved
ILPTTT
ILPPTY
ILPPTY
ILLXYY
IFXXXY
FFFXWN
ZZFWWN
VZWWNN
VZZUNU
VVVUUU" solve started.zpz
expect 1 "no variant" solve stuck.zpz
expect 2 "" solve twice.zpz
expect 2 "" solve missing.zpz
expect 2 "" solve
timed=$("$zpz" solve --time stuck.zpz | tail -n 1)
[[ $timed =~ ^time_ms=[0-9]+(\.[0-9]+)?$ ]] || { echo "FAIL: solve --time printed '$timed'"; failures=$((failures + 1)); }

# library: group folders of puzzles, each valid, 60 cells and solvable.
lib=$(mktemp -d)
trap 'rm -rf "$lib"' EXIT
mkdir -p "$lib/b group" "$lib/A group"
cp tall.zpz "$lib/b group/one.zpz"
cp holes.zpz "$lib/A group/two.zpz"
expect 0 "A group/two: ok 8x8
b group/one: ok 6x10
library $lib: 2 groups, 2 puzzles, 0 failed" library "$lib"
cp short_row.zpz "$lib/b group/bad.zpz"
cp stuck.zpz "$lib/b group/stuck.zpz" # its figures are not read: the bare field is solvable
expect 1 "A group/two: ok 8x8
b group/bad: FAILED: invalid: ROW_3 has 9 cells, expected 10
b group/one: ok 6x10
b group/stuck: ok 10x6
library $lib: 2 groups, 4 puzzles, 1 failed" library "$lib"
expect 2 "" library "$lib/none"

for cmd in check solve library; do
    "$zpz" "$cmd" --help | grep -q "^usage: zpz $cmd" || { echo "FAIL: $cmd --help"; failures=$((failures + 1)); }
done

[[ $failures == 0 ]] && echo "zpz command line: all cases passed"
exit $((failures > 0))
