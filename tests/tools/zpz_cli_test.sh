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

# count: every tiling as it lies on the field, the field's symmetries, distinct tilings.
expect 0 "tilings=9356 symmetries=4 distinct=2339" count tall.zpz
expect 0 "holes.zpz: tilings=520 symmetries=8 distinct=65
framed.zpz: tilings=520 symmetries=8 distinct=65
lean_left.zpz: tilings=466 symmetries=2 distinct=233" count holes.zpz framed.zpz lean_left.zpz
expect 1 "tilings=0 symmetries=2 distinct=0" count steep.zpz
expect 0 "tilings>=100" count --limit 100 tall.zpz
expect 0 "tilings=466 symmetries=2 distinct=233" count --limit 467 lean_right.zpz
# With --figures the figures of a saved game stay where they lie.
expect 1 "started.zpz: tilings=618
stuck.zpz: tilings=0" count --figures started.zpz stuck.zpz
expect 2 "" count --figures twice.zpz
expect 2 "" count --limit 0 tall.zpz
expect 2 "" count --limit tall.zpz
expect 2 "" count missing.zpz
expect 2 "" count
timed=$("$zpz" count --time holes.zpz)
[[ $timed =~ ^tilings=520\ symmetries=8\ distinct=65\ time_ms=[0-9]+(\.[0-9]+)?$ ]] ||
    { echo "FAIL: count --time printed '$timed'"; failures=$((failures + 1)); }
# The I figure lies in one of 56 places in every tiling of the open 6 x 10 field: the
# completions of all 56 starts add up to the tilings of the open field.
starts=$(mktemp -d)
for x in -2 -1 0 1 2 3; do
    for y in 0 1 2 3 4 5; do
        { cat tall.zpz; printf '\r\n[SAVE]\r\nX0 = %s\r\nY0 = %s\r\nF0 = 0\r\n' $x $y; } >"$starts/v$x$y.zpz"
    done
done
for x in 0 1; do
    for y in -2 -1 0 1 2 3 4 5 6 7; do
        { cat tall.zpz; printf '\r\n[SAVE]\r\nX0 = %s\r\nY0 = %s\r\nF0 = 1\r\n' $x $y; } >"$starts/h$x$y.zpz"
    done
done
sum=$("$zpz" count --figures "$starts"/*.zpz | awk -F= '{ n++; s += $2 } END { print n, s }')
rm -rf "$starts"
[[ $sum == "56 9356" ]] || { echo "FAIL: completions of the I starts: $sum, expected 56 9356"; failures=$((failures + 1)); }

# library: group folders of puzzles, each valid, 60 cells, solvable and of a field of its own.
lib=$(mktemp -d)
trap 'rm -rf "$lib"' EXIT
mkdir -p "$lib/b group" "$lib/A group" "$lib/empty"
cp tall.zpz "$lib/b group/one.zpz"
cp holes.zpz "$lib/A group/two.zpz"
cp lean_right.zpz "$lib/A group/Lean.zpz"
expect 0 "A group/Lean: ok 16x5
A group/two: ok 8x8
b group/one: ok 6x10
library $lib: 3 groups, 3 puzzles, 0 failed" library "$lib"
cp short_row.zpz "$lib/b group/bad.zpz"
cp stuck.zpz "$lib/b group/stuck.zpz" # its figures are not read: the open 10 x 6 field, turned
cp framed.zpz "$lib/b group/framed.zpz"
cp lean_left.zpz "$lib/empty/mirrored.zpz"
cp steep.zpz "$lib/b group/steep.zpz"
cp steep.zpz "$lib/b group/steeper.zpz" # a failed puzzle's field still counts
expect 1 "A group/Lean: ok 16x5
A group/two: ok 8x8
b group/bad: FAILED: invalid: ROW_3 has 9 cells, expected 10
b group/framed: FAILED: same field as A group/two
b group/one: ok 6x10
b group/steep: FAILED: no tiling
b group/steeper: FAILED: same field as b group/steep
b group/stuck: FAILED: same field as b group/one
empty/mirrored: FAILED: same field as A group/Lean
library $lib: 3 groups, 9 puzzles, 6 failed" library "$lib"
expect 2 "" library "$lib/none"

# table: the README tables of a library, with the tilings of every puzzle.
rm "$lib/b group/bad.zpz" "$lib/b group/steeper.zpz" "$lib/b group/stuck.zpz" "$lib/b group/framed.zpz"
expect 0 "| Group | Puzzles | Fewest tilings | Most tilings | All tilings |
|---|---:|---:|---:|---:|
| A group | 2 | 466 | 520 | 986 |
| b group | 2 | 0 | 9356 | 9356 |
| empty | 1 | 466 | 466 | 466 |
| **all** | **5** | **0** | **9356** | **10808** |

| Group | Puzzle | Size | Tilings | Distinct |
|---|---|---|---:|---:|
| A group | Lean | 16 x 5 | 466 | 233 |
| A group | two | 8 x 8 | 520 | 65 |
| b group | one | 6 x 10 | 9356 | 2339 |
| b group | steep | 24 x 3 | 0 | 0 |
| empty | mirrored | 20 x 7 | 466 | 233 |" table "$lib"
cp short_row.zpz "$lib/empty/bad.zpz"
"$zpz" table "$lib" | grep -qx '| empty | bad | invalid: ROW_3 has 9 cells, expected 10 | | |' ||
    { echo "FAIL: table with an invalid puzzle"; failures=$((failures + 1)); }
expect 2 "" table

for cmd in check solve count library table; do
    "$zpz" "$cmd" --help | grep -q "^usage: zpz $cmd" || { echo "FAIL: $cmd --help"; failures=$((failures + 1)); }
done

[[ $failures == 0 ]] && echo "zpz command line: all cases passed"
exit $((failures > 0))
