#!/bin/bash
# Each zpz command on hand-written files, with the output and exit status puzzle authors rely on
# (0 good, 1 a file invalid or unsolvable, 2 a usage error or a missing file).
# Usage: zpz_cli_test.sh ZPZ DATA_DIR
set -u
zpz=$1
cd "$2" || exit 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS EXPECTED_OUTPUT ARGS...
expect() {
    local want_status=$1 want_out=$2 out status
    shift 2
    out=$("$zpz" "$@" 2>/dev/null)
    status=$?
    if [[ $status != "$want_status" || $out != "$want_out" ]]; then
        fail "zpz $*: status $status, expected $want_status"
        diff <(echo "$want_out") <(echo "$out") | sed 's/^/  /'
    fi
}

# check: one line per file; the figures of a saved game only with --figures.
expect 0 "holes.zpz: valid 8x8 open=60 figures=0
twice.zpz: valid 10x6 open=60 figures=0" check holes.zpz twice.zpz
expect 1 "stuck.zpz: valid 10x6 open=60 figures=2
twice.zpz: invalid: figure 1 listed twice" check --figures stuck.zpz twice.zpz
expect 2 "tall.zpz: valid 6x10 open=60 figures=0" check tall.zpz missing.zpz

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

# hint: the figures in the way, or the hardest cell and a figure for it in saved-game terms.
expect 0 "dead: I" hint stuck.zpz
expect 0 "cell: 1 0 figure: L orientation: 2 column: -1 row: -1" hint started.zpz
expect 2 "" hint twice.zpz
[[ $("$zpz" solve --time stuck.zpz | tail -n 1) =~ ^time_ms=[0-9.]+$ ]] || fail "solve --time"

# count: every tiling as it lies on the field, the field's symmetries, distinct tilings; with
# --figures the figures of a saved game stay where they lie.
expect 0 "tall.zpz: tilings=9356 symmetries=4 distinct=2339
holes.zpz: tilings=520 symmetries=8 distinct=65
lean_left.zpz: tilings=466 symmetries=2 distinct=233" count tall.zpz holes.zpz lean_left.zpz
expect 0 "tilings>=100" count --limit 100 tall.zpz
expect 1 "started.zpz: tilings=618
stuck.zpz: tilings=0" count --figures started.zpz stuck.zpz
expect 2 "" count --limit 0 tall.zpz
[[ $("$zpz" count --time holes.zpz) =~ ^tilings=520\ symmetries=8\ distinct=65\ time_ms=[0-9.]+$ ]] ||
    fail "count --time"
# library: group folders of puzzles, each valid, 60 cells, solvable and of a field of its own
# (turned, mirrored or framed by blocked cells is the same field).
lib=$tmp/library
mkdir -p "$lib/b group" "$lib/A group" "$lib/empty"
cp lean_right.zpz "$lib/A group/Lean.zpz"
cp holes.zpz "$lib/A group/two.zpz"
cp tall.zpz "$lib/b group/one.zpz"
"$zpz" library "$lib" >/dev/null || fail "library of good puzzles"
cp short_row.zpz "$lib/b group/bad.zpz"
cp framed.zpz "$lib/b group/framed.zpz"
cp stuck.zpz "$lib/b group/stuck.zpz" # its figures are not read: the open 10 x 6 field, turned
cp steep.zpz "$lib/b group/steep.zpz"
cp lean_left.zpz "$lib/empty/mirrored.zpz"
expect 1 "A group/Lean: ok 16x5
A group/two: ok 8x8
b group/bad: FAILED: invalid: ROW_3 has 9 cells, expected 10
b group/framed: FAILED: same field as A group/two
b group/one: ok 6x10
b group/steep: FAILED: no tiling
b group/stuck: FAILED: same field as b group/one
empty/mirrored: FAILED: same field as A group/Lean
library $lib: 3 groups, 8 puzzles, 5 failed" library "$lib"
expect 2 "" library "$lib/none"

# table: the README tables of a library, with the tilings of every puzzle; 1 when one is invalid.
rm -r "$lib/empty" "$lib/b group/framed.zpz" "$lib/b group/stuck.zpz" "$lib/b group/steep.zpz"
expect 1 "| Group | Puzzles | Fewest tilings | Most tilings | All tilings |
|---|---:|---:|---:|---:|
| A group | 2 | 466 | 520 | 986 |
| b group | 1 | 9356 | 9356 | 9356 |
| **all** | **3** | **466** | **9356** | **10342** |

| Group | Puzzle | Size | Tilings | Distinct |
|---|---|---|---:|---:|
| A group | Lean | 16 x 5 | 466 | 233 |
| A group | two | 8 x 8 | 520 | 65 |
| b group | bad | invalid: ROW_3 has 9 cells, expected 10 | | |
| b group | one | 6 x 10 | 9356 | 2339 |" table "$lib"
expect 2 "" table

# generate: a puzzle of the difficulty with its count and seed in [INFO] (the same seed gives the
# same field: unit-tested); none in a box of 55 cells; usage errors.
"$zpz" generate --difficulty Unique --seed 5 --library "$lib" --out "$tmp/u.zpz" >"$tmp/u.out" ||
    fail "generate unique"
[[ $(cat "$tmp/u.out") =~ ^solutions=1\ difficulty=Unique\ seed=5\ size=[0-9]+x[0-9]+\ fields=[0-9]+\ time_ms=[0-9.]+$ ]] ||
    fail "generate: $(cat "$tmp/u.out")"
[[ $("$zpz" count "$tmp/u.zpz") =~ distinct=1$ && $("$zpz" check "$tmp/u.zpz") =~ open=60 ]] ||
    fail "generate: the written puzzle"
tail -n 3 "$tmp/u.zpz" | tr -d '\r' | diff - <(printf '[INFO]\nSOLUTIONS = 1\nSEED = 5\n') >/dev/null ||
    fail "generate: [INFO]"
expect 1 "" generate --difficulty easy --size 5x11 --out "$tmp/none.zpz"
expect 2 "" generate --size 12x10
expect 2 "" generate --difficulty easy --size 4x20
expect 2 "" generate --difficulty trivial
expect 2 "" generate --difficulty easy --budget 0
expect 2 "" bench --generate --boxes 8x8,3x30

# daily: the date's puzzle of its weekday's difficulty, written with its count.
out=$("$zpz" daily 2026-12-11 --out "$tmp/d.zpz")
[[ $out =~ ^2026-12-11\ Hard\ solutions=[0-9]+\ time_ms=[0-9]+$ ]] || fail "daily: $out"
solutions=${out#*solutions=}
[[ $("$zpz" count "$tmp/d.zpz") =~ distinct=${solutions%% *}$ ]] || fail "daily: the written puzzle"
expect 2 "" daily 2026-02-30
expect 2 "" daily --out "$tmp/d.zpz"

# census: every field of a small box, up to turns and mirrors, by difficulty.
expect 0 "fields=1 none=0 unique=0 expert=0 hard=0 medium=0 at_least_1000=1" census 6x10 --cap 1000
expect 0 "fields=1 none=0 unique=0 expert=0 hard=0 medium=0 at_least_10=1" census 12x5
expect 2 "" census 7x8
expect 2 "" census 8x8 --cap 0

# code and decode: a puzzle's code, on stderr an invalid file; decoded, the same field again; a
# bad code writes nothing.
holes=$("$zpz" code holes.zpz)
expect 1 "$holes" code holes.zpz short_row.zpz
expect 2 "$holes" code holes.zpz missing.zpz
"$zpz" decode " $holes" --out "$tmp/shared.zpz" && [[ $("$zpz" code "$tmp/shared.zpz") == "$holes" ]] ||
    fail "decode: not the field of holes.zpz"
[[ $("$zpz" decode "${holes:0:-1}" --out "$tmp/bad.zpz" 2>&1) == "zpz decode: This is not a puzzle code." &&
    ! -e $tmp/bad.zpz ]] || fail "decode of a bad code"
expect 1 "" decode "${holes/Z/z}" --out "$tmp/bad.zpz"
expect 2 "" decode "$holes"

for cmd in check solve count library table generate daily census code decode; do
    "$zpz" "$cmd" --help | grep -q "^usage: zpz $cmd" || fail "$cmd --help"
done
[[ $failures == 0 ]] && echo "zpz command line: all cases passed"
exit $((failures > 0))
